# The program and the CLI say what changed through DesignSession::Regenerate;
# the steps that make a surface are the core's own. Fails on any file under
# src/app or src/cli that calls one of them or includes their headers.
set(pieces "RebuildSurface|RecomputeExtents|ShapeChanged|EvaluateSurfaceGrid|BuildKnotVectors|BuildWorkingNet|ComputeExtents|InvalidateExtents|RefreshAfterNudge")
file(GLOB_RECURSE sources ${ROOT}/src/app/*.cpp ${ROOT}/src/app/*.h ${ROOT}/src/cli/*.cpp ${ROOT}/src/cli/*.h)
set(found 0)
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "//.*$" "" code "${line}")
    if(code MATCHES "(^|[^A-Za-z0-9_])(${pieces})[ ]*\\(" OR
       code MATCHES "#include \"(surface/surface_build|model/shape_changed)\\.h\"")
      file(RELATIVE_PATH shown ${ROOT} ${source})
      message("${shown}:${number}: ${line}")
      math(EXPR found "${found} + 1")
    endif()
  endforeach()
endforeach()
if(found GREATER 0)
  message(FATAL_ERROR "${found} direct surface rebuild call(s) outside the core; use DesignSession::Regenerate")
endif()
