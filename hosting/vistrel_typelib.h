// Vistrel's type library: its identifiers, the members of _DVistrel and
// _DVistrelEvents with their dispatch ids and argument kinds, and the
// GL_constant enumeration. Hosts include it to call the control by id; the
// control library exports the same table through DllGetTypeLibrary.
#pragma once

#include "type_info.h"
#include "vistrel_constants.h"

namespace vistrel {

using hosting::member;
using hosting::property;

inline constexpr hosting::Guid kLibraryId = hosting::guid("{5A7E1233-9B2C-4F11-A6D3-2C8E4B7F0A00}");
inline constexpr hosting::Guid kClassId = hosting::guid("{5A7E1230-9B2C-4F11-A6D3-2C8E4B7F0A00}");
inline constexpr hosting::Guid kDispatchId = hosting::guid("{5A7E1231-9B2C-4F11-A6D3-2C8E4B7F0A00}");
inline constexpr hosting::Guid kEventsId = hosting::guid("{5A7E1232-9B2C-4F11-A6D3-2C8E4B7F0A00}");
inline constexpr hosting::Guid kPropPageId = hosting::guid("{5A7E1234-9B2C-4F11-A6D3-2C8E4B7F0A00}");

inline constexpr const char* kClassProgId = "Vistrel.VistrelCtrl.1";
inline constexpr const char* kClassDisplayName = "Vistrel Control";
inline constexpr const char* kPropPageProgId = "Vistrel.VistrelPropPage.1";
inline constexpr const char* kPropPageDisplayName = "Vistrel Property Page";
inline constexpr uint32_t kMiscStatus = 0x20191;

// Stock dispatch ids.
namespace stock {
inline constexpr hosting::DispId font = -512;
inline constexpr hosting::DispId hWnd = -515;
inline constexpr hosting::DispId refresh = -550;
inline constexpr hosting::DispId doClick = -551;
inline constexpr hosting::DispId aboutBox = -552;
} // namespace stock

namespace event {
inline constexpr hosting::DispId draw = 1;
inline constexpr hosting::DispId onSize = 2;
inline constexpr hosting::DispId timer = 3;
inline constexpr hosting::DispId click = -600;
inline constexpr hosting::DispId dblClick = -601;
inline constexpr hosting::DispId keyDown = -602;
inline constexpr hosting::DispId keyPress = -603;
inline constexpr hosting::DispId keyUp = -604;
inline constexpr hosting::DispId mouseDown = -605;
inline constexpr hosting::DispId mouseMove = -606;
inline constexpr hosting::DispId mouseUp = -607;
inline constexpr hosting::DispId error = -608;
} // namespace event

// Custom members 1..200 in dispatch-id order (members[id - 1]), then the stock ones.
// By-reference arrays are read or filled during the call only, with two
// exceptions that follow GL itself: the arrays given to oglSelectBuffer and
// oglFeedbackBuffer receive their records when oglRenderMode leaves selection
// or feedback, so they must stay valid until then.
inline constexpr hosting::MemberInfo kMembers[] = {
    property(1, "Texture", "picture"),
    property(2, "DoubleBuffer", "b"),
    member(3, "oglPushMatrix", ""),
    member(4, "oglPopMatrix", ""),
    member(5, "oglEnd", ""),
    member(6, "oglScale", "d,d,d"),
    member(7, "oglTranslate", "d,d,d"),
    member(8, "oglVertex3", "d,d,d"),
    member(9, "oglNormal3", "d,d,d"),
    member(10, "oglBegin", "s"),
    member(11, "oglRotate", "s,d,d,d"),
    member(12, "oglColor4", "d,d,d,d"),
    member(13, "oauxSolidSphere", "f"),
    member(14, "oglClearColor", "f,f,f,f"),
    member(15, "oglClear", "s"),
    member(16, "oglAccum", "s,f"),
    member(17, "oauxWireSphere", "d"),
    member(18, "oauxWireCube", "d"),
    member(19, "oauxWireBox", "d,d,d"),
    member(20, "oauxWireTorus", "d,d"),
    member(21, "oauxWireCylinder", "d,d"),
    member(22, "oglLoadIdentity", ""),
    member(23, "oauxWireCone", "d,d"),
    member(24, "oauxSolidCone", "d,d"),
    member(25, "oauxWireTeapot", "d"),
    member(26, "oauxSolidTeapot", "d"),
    member(27, "oauxSolidCube", "d"),
    member(28, "oauxSolidBox", "d,d,d"),
    member(29, "oauxSolidTorus", "d,d"),
    member(30, "oauxSolidCylinder", "d,d"),
    member(31, "oauxWireIcosahedron", "d"),
    member(32, "oauxSolidIcosahedron", "d"),
    member(33, "oauxWireOctahedron", "d"),
    member(34, "oauxSolidOctahedron", "d"),
    member(35, "oauxWireTetrahedron", "d"),
    member(36, "oauxSolidTetrahedron", "d"),
    member(37, "oauxWireDodecahedron", "d"),
    member(38, "oauxSolidDodecahedron", "d"),
    member(39, "oglEnable", "s"),
    member(40, "oglLightv", "s,s,f,f,f,f"),
    member(41, "oglFlush", ""),
    member(42, "oglShadeModel", "s"),
    member(43, "oglBlendFunc", "s,s"),
    member(44, "oglDepthMask", "s"),
    member(45, "oglColor3", "f,f,f"),
    member(46, "oglDisable", "s"),
    member(47, "oglEdgeFlag", "b"),
    member(48, "oglFrontFace", "s"),
    member(49, "oglLineWidth", "f"),
    member(50, "oglPointSize", "f"),
    member(51, "oglPolygonMode", "s,s"),
    member(52, "oglRect", "d,d,d,d"),
    member(53, "oglVertex2", "d,d"),
    member(54, "oglFrustum", "d,d,d,d,d,d"),
    member(55, "ogluPerspective", "d,d,d,d"),
    member(56, "oglViewport", "s,s,s,s"),
    member(57, "oglMatrixMode", "s"),
    member(58, "oglMaterial", "s,s,s"),
    member(59, "oglMaterialv", "s,s,f,f,f,f"),
    member(60, "oglHint", "s,s"),
    member(61, "oglFog", "s,f"),
    member(62, "oglFogv", "s,f,f,f,f"),
    member(63, "oauxRGBImageLoad", "str,v"),
    member(64, "oglTexCoord1", "d"),
    member(65, "oglTexCoord2", "d,d"),
    member(66, "oglTexCoord3", "d,d,d"),
    member(67, "oglTexCoord4", "d,d,d,d"),
    member(68, "oauxGetTextureWidth", "v", "s"),
    member(69, "oauxGetTextureHeight", "v", "s"),
    member(70, "oglTexImage2D", "s,s,s,s,s,s,s,s,v"),
    member(71, "oglTexEnv", "s,s,f"),
    member(72, "oglTexEnvv", "s,s,f,f,f,f"),
    member(73, "oglTexParameter", "s,s,f"),
    member(74, "oglTexParameterv", "s,s,f,f,f,f"),
    member(75, "oglLight", "s,s,f"),
    member(76, "oglNewList", "s,s"),
    member(77, "oglEndList", ""),
    member(78, "oglCallList", "s"),
    member(79, "oglDeleteLists", "s,s"),
    member(80, "oglIsList", "s", "b"),
    member(81, "oglGenLists", "s", "s"),
    member(82, "oglListBase", "s"),
    member(83, "oglCallLists", "s,s,str"),
    member(84, "oglTexGen", "s,s,d"),
    member(85, "oglTexGenv", "s,s,d,d,d,d"),
    member(86, "owglUseFontBitmap", "s,s,s", "b"),
    member(87, "owglUseFontOutlines", "s,s,s,f,f,s", "b"),
    member(88, "ogluDisk", "l,d,d,s,s"),
    member(89, "ogluNewQuadric", "", "l"),
    member(90, "ogluDeleteQuadric", "l"),
    member(91, "ogluCylinder", "l,d,d,d,s,s"),
    member(92, "ogluSphere", "l,d,s,s"),
    member(93, "ogluPartialDisk", "l,d,d,s,s,d,d"),
    member(94, "ogluLookAt", "d,d,d,d,d,d,d,d,d"),
    member(95, "ogluQuadricTexture", "l,b"),
    member(96, "oauxGetTextureBpp", "v", "s"),
    member(97, "oglOrtho", "d,d,d,d,d,d"),
    member(98, "oglAlphaFunc", "s,f"),
    member(99, "oglClearAccum", "f,f,f,f"),
    member(100, "oglClearDepth", "d"),
    member(101, "oglClearIndex", "f"),
    member(102, "oglClearStencil", "s"),
    member(103, "oglClipPlane", "s,d,d,d,d"),
    member(104, "oglColorMask", "b,b,b,b"),
    member(105, "oglColorMaterial", "s,s"),
    member(106, "oglCopyPixels", "s,s,s,s,s"),
    member(107, "oglCullFace", "s"),
    member(108, "oglDepthFunc", "s"),
    member(109, "oglDepthRange", "d,d"),
    member(110, "oglDrawBuffer", "s"),
    member(111, "oglIndex", "d"),
    member(112, "oglIndexMask", "s"),
    member(113, "oglInitNames", ""),
    member(114, "oglIsEnabled", "s", "b"),
    member(115, "oglLightModel", "s,f"),
    member(116, "oglLightModelv", "s,f,f,f,f"),
    member(117, "oglLineStipple", "s,s"),
    member(118, "oglPushName", "s"),
    member(119, "oglReadBuffer", "s"),
    member(120, "oglRenderMode", "s", "s"),
    member(121, "oglScissor", "s,s,s,s"),
    member(122, "oglTexImage1D", "s,s,s,s,s,s,s,v"),
    member(123, "ogluQuadricDrawStyle", "l,l"),
    member(124, "ogluQuadricNormals", "l,l"),
    member(125, "ogluQuadricOrientation", "l,l"),
    member(126, "oglEvalCoord1", "d"),
    member(127, "oglMapGrid1", "s,d,d"),
    member(128, "oglMap1", "s,d,d,s,s"),
    member(129, "oglEvalMesh1", "s,s,s"),
    member(130, "oglMap2", "s,d,d,s,s,d,d,s,s,s,s"),
    member(131, "oglEvalCoord2", "d,d"),
    member(132, "oglMapGrid2", "s,d,d,s,d,d"),
    member(133, "oglEvalMesh2", "s,s,s,s,s"),
    member(134, "oauxSetControlPoint1", "s,s,f"),
    member(135, "oauxSetControlPoint2", "s,s,s,f"),
    member(136, "oauxInitControlPoints1", "s,s"),
    member(137, "oauxInitControlPoints2", "s,s,s"),
    member(138, "oglGetError", "", "s"),
    member(139, "SetTimerInterval", "s"),
    member(140, "oglPopName", ""),
    member(141, "oglLoadName", "s"),
    member(142, "owglMakeCurrent", "b"),
    member(143, "owglGetCurrentContext", "", "l"),
    member(144, "owglGetCurrentDC", "", "l"),
    member(145, "owglShareLists", "l,l", "b"),
    member(146, "oglSelectBuffer", "l,l*"),
    member(147, "oglGetInteger", "s,l*"),
    member(148, "oglGetDouble", "s,d*"),
    member(149, "oglGetFloat", "s,f*"),
    member(150, "oglGetBoolean", "s,b*"),
    member(151, "oglGetClipPlane", "s,d*"),
    member(152, "oglGetLight", "s,s,f*"),
    member(153, "oglGetMap", "s,s,d*"),
    member(154, "oglGetMaterial", "s,s,f*"),
    member(155, "oglGetPixelMap", "s,f*"),
    member(156, "oglGetPolygonStipple", "str*"),
    member(157, "oglGetString", "s", "str"),
    member(158, "oglGetTexEnv", "s,s,f*"),
    member(159, "oglGetTexGen", "s,s,d*"),
    member(160, "ogluPickMatrix", "d,d,d,d,l*"),
    member(161, "ogluNewNurbsRenderer", "", "l"),
    member(162, "ogluDeleteNurbsRenderer", "l"),
    member(163, "ogluBeginSurface", "l"),
    member(164, "ogluEndSurface", "l"),
    member(165, "ogluBeginTrim", "l"),
    member(166, "ogluEndTrim", "l"),
    member(167, "ogluBeginCurve", "l"),
    member(168, "ogluEndCurve", "l"),
    member(169, "ogluPwlCurve", "l,s,f*,s,l"),
    member(170, "ogluNurbsProperty", "l,l,f"),
    member(171, "ogluNurbsSurface", "l,s,f*,s,f*,s,s,f*,s,s,s"),
    member(172, "ogluNurbsCurve", "l,s,f*,s,f*,s,s"),
    member(173, "ogluGetNurbsProperty", "l,l,f*"),
    member(174, "ogluLoadSamplingMatrices", "l,f*,f*,l*"),
    member(175, "ogluNewTess", "", "l"),
    member(176, "ogluDeleteTess", "l"),
    member(177, "ogluBeginPolygon", "l"),
    member(178, "ogluEndPolygon", "l"),
    member(179, "ogluGetTessProperty", "l,l,d*"),
    member(180, "ogluNextContour", "l,l"),
    member(181, "ogluTessBeginContour", "l"),
    member(182, "ogluTessEndContour", "l"),
    member(183, "ogluTessNormal", "l,d,d,d"),
    member(184, "ogluTessVertex", "l,d*,d*"),
    member(185, "ogluTessBeginPolygon", "l,v*"),
    member(186, "ogluTessEndPolygon", "l"),
    member(187, "ogluGetString", "l", "str"),
    member(188, "ogluErrorString", "l", "str"),
    member(189, "ogluProject", "d,d,d,d*,d*,s*,d*,d*,d*", "s"),
    member(190, "ogluUnProject", "d,d,d,d*,d*,s*,d*,d*,d*", "s"),
    member(191, "oauxBlackBoxX", "s", "f"),
    member(192, "oauxBlackBoxY", "s", "f"),
    member(193, "oauxCellIncX", "s", "f"),
    member(194, "oauxCellIncY", "s", "f"),
    member(195, "oglColorRGB", "s,s,s"),
    member(196, "oglColor16M", "l"),
    member(197, "oglClearColorRGB", "s,s,s"),
    member(198, "oglClearColor16M", "l"),
    member(199, "oglFeedbackBuffer", "l,s,f*"),
    member(200, "oglAddSwapHintRectWIN", "s,s,s,s"),
    property(stock::font, "Font", "font"),
    property(stock::hWnd, "hWnd", "hwnd", true),
    member(stock::refresh, "Refresh", ""),
    member(stock::doClick, "DoClick", ""),
    member(stock::aboutBox, "AboutBox", ""),
};
inline constexpr size_t kCustomMemberCount = 200;

inline constexpr hosting::MemberInfo kEvents[] = {
    member(event::draw, "Draw", ""),
    member(event::onSize, "OnSize", ""),
    member(event::timer, "Timer", ""),
    member(event::click, "Click", ""),
    member(event::dblClick, "DblClick", ""),
    member(event::mouseDown, "MouseDown", "s,s,l,l"),
    member(event::mouseUp, "MouseUp", "s,s,l,l"),
    member(event::mouseMove, "MouseMove", "s,s,l,l"),
    member(event::keyDown, "KeyDown", "s*,s"),
    member(event::keyPress, "KeyPress", "s*"),
    member(event::keyUp, "KeyUp", "s*,s"),
    member(event::error, "Error", "s,str*,SCODE,str,str,l,b*"),
};

inline constexpr hosting::TypeLibrary kTypeLibrary{
    "VistrelLib", kLibraryId, 1, 0,
    kClassId, "Vistrel",
    kDispatchId, "_DVistrel",
    kEventsId, "_DVistrelEvents",
    kMembers, kEvents,
    "GL_constant", kConstants,
};

// Dispatch ids by name for hosts: vistrel::id("oglClear") at compile time.
consteval hosting::DispId id(std::string_view name)
{
    // Indexing, not pointers: sanitizer builds refuse pointer tests in constant expressions.
    for (size_t k = 0; k < std::size(kMembers); ++k)
        if (kMembers[k].name == name) return kMembers[k].id;
    throw "no such member";
}

static_assert(kMembers[kCustomMemberCount - 1].id == 200);
static_assert(id("oglClear") == 15 && id("ogluNurbsSurface") == 171 && id("DoubleBuffer") == 2);

} // namespace vistrel
