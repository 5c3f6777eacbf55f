// The Python module: a design session with the calculations the command
// line offers, answering in the same dictionaries its --json writes.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include "../src/cli/design_io.h"
#include "../src/cli/json_documents.h"
#include "../src/cli/json_out.h"
#include "../src/cli/new_command.h"
#include "../src/cli/stream_prompter.h"
#include "exchange/dxf_file.h"
#include "exchange/ghs_file.h"
#include "exchange/hull_mesh.h"
#include "exchange/iges_file.h"
#include "exchange/offsets_table.h"
#include "exchange/stl_file.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "hydro/hydrostatics.h"
#include "hydro/result_fields.h"
#include "model/net_edit.h"
#include "resistance/hull_inputs.h"
#include "resistance/resistance.h"
#include "resistance/resistance_fields.h"
#include "stability/ballast.h"
#include "stability/criteria.h"
#include "stability/stability_data.h"
#include "stability/stability_run.h"

namespace py = pybind11;
using nlohmann::json;

namespace skelmora::python {

namespace {

// Raised with the program's own message.
PyObject* g_error = nullptr;

[[noreturn]] void Fail(std::string message, const char* fallback = "The calculation failed") {
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
    message.pop_back();
  }
  if (message.empty()) message = fallback;
  PyErr_SetString(g_error, message.c_str());
  throw py::error_already_set();
}

// The document as Python objects, cleaned exactly as the command line
// writes it.
py::object ToPython(const json& doc) {
  // Imported per call (a dict lookup once loaded): a static handle would
  // outlive the interpreter.
  return py::module_::import("json").attr("loads")(cli::DumpJson(doc));
}

// Python's own number formatting is locale-free, and repr round-trips.
std::string ArgumentText(const py::handle& value) {
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  if (py::isinstance<py::bool_>(value)) return value.cast<bool>() ? "yes" : "no";
  return py::repr(value).cast<std::string>();
}

class Design {
 public:
  DesignSession session;

  static std::unique_ptr<Design> Open(const std::string& path,
                                      std::optional<bool> igesTranspose,
                                      std::optional<bool> igesInches) {
    auto d = std::make_unique<Design>();
    std::string message;
    if (!cli::LoadDesign(path, d->session, message, cli::IgesAnswers{igesTranspose, igesInches})) {
      Fail(message, "Cannot read the design");
    }
    return d;
  }

  // The command line's generator with its parameters and defaults, through
  // a file of our own that is removed again.
  static std::unique_ptr<Design> New(const std::string& kind, const py::kwargs& params) {
    static std::atomic<int> counter{0};
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("skelmora-new-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".s98");
    std::vector<std::string> words{"skelmora-cli", "new", kind};
    for (const auto& [key, value] : params) {
      std::string name = key.cast<std::string>();
      if (name == "out") Fail("new does not take out: the design is returned");
      for (char& ch : name) {
        if (ch == '_') ch = '-';
      }
      words.push_back("--" + name);
      words.push_back(ArgumentText(value));
    }
    words.push_back("--out");
    words.push_back(file.string());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    std::ostringstream out, err;
    const int status = cli::RunNew(static_cast<int>(argv.size()), argv.data(), 2, out, err);
    if (status != 0) {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
      Fail(err.str(), "The design could not be made");
    }
    auto d = std::make_unique<Design>();
    std::string message;
    const bool read = cli::LoadDesign(file.string(), d->session, message);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (!read) Fail(message);
    d->session.design.DesignFileName.clear();
    return d;
  }

  void Save(const std::string& path, int shlVersion) {
    std::string message;
    if (!cli::SaveDesignAs(session.design, path, message, shlVersion)) {
      Fail(message, "Cannot save the design");
    }
    session.design.DesignFileName = path;
  }

  // The command line's export with its defaults: dxf of every family on both
  // sides, iges of one side unless sides="both".
  void Export(const std::string& format, const std::string& path,
              std::optional<std::string> sides) {
    if (format != "dxf" && format != "stl" && format != "iges" && format != "ghs" &&
        format != "offsets") {
      throw py::value_error("Unknown export format: " + format);
    }
    if (sides && *sides != "one" && *sides != "both") {
      throw py::value_error("sides is one or both: " + *sides);
    }
    if (sides && format != "dxf" && format != "iges") {
      throw py::value_error(format + " has the one side only; sides is for dxf and iges");
    }
    HullDesign& design = session.design;
    Surface& surface = *session.surface;
    std::string contents;
    if (format == "stl") {
      contents = FormatBinaryStl(BuildHullMesh(surface), design.Units);
    } else if (format == "ghs") {
      contents = FormatGhs(design, surface, *session.cuts);
    } else if (format == "offsets") {
      contents =
          FormatOffsetTable(design, ComputeOffsetTable(design, surface, *session.cuts));
    } else if (format == "iges") {
      IgesOptions options;
      options.mirror = sides && *sides == "both";
      options.fileName = std::filesystem::path(path).filename().string();
      const std::time_t now =
          std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
      std::tm utc{};
      gmtime_r(&now, &utc);
      char stamp[32];
      std::strftime(stamp, sizeof stamp, "%Y%m%d.%H%M%S", &utc);
      options.timeStamp = stamp;
      contents = FormatIges(design, surface, options);
    } else {
      DxfOptions options;
      options.bothSides = !sides || *sides == "both";
      contents = FormatDxf(design, surface, *session.cuts, options);
    }
    if (!SaveFileAtomically(path, contents)) Fail(CannotSaveMessage(path));
  }

  py::array_t<double> Net() const {
    const HullDesign& d = session.design;
    const py::ssize_t columns = d.LastColumn + 1, rows = d.LastRow + 1;
    py::array_t<double> net({columns, rows, py::ssize_t{4}});
    auto a = net.mutable_unchecked<3>();
    for (py::ssize_t c = 0; c < columns; ++c) {
      for (py::ssize_t r = 0; r < rows; ++r) {
        const Vertex& v = d.Net[c][r];
        a(c, r, 0) = v.x;
        a(c, r, 1) = v.y;
        a(c, r, 2) = v.z;
        a(c, r, 3) = v.w;
      }
    }
    return net;
  }

  // The counts stay as they are: adding columns or rows is an edit of its
  // own, with its tensions and chines.
  void SetNet(const py::array_t<double, py::array::c_style | py::array::forcecast>& net) {
    HullDesign& d = session.design;
    const py::ssize_t columns = d.LastColumn + 1, rows = d.LastRow + 1;
    if (net.ndim() != 3 || net.shape(0) != columns || net.shape(1) != rows || net.shape(2) != 4) {
      std::ostringstream shape;
      shape << '(';
      for (py::ssize_t k = 0; k < net.ndim(); ++k) shape << (k ? ", " : "") << net.shape(k);
      shape << (net.ndim() == 1 ? ",)" : ")");
      Fail("The net must have the shape (" + std::to_string(columns) + ", " +
           std::to_string(rows) + ", 4) (columns x rows x x y z w), not " + shape.str());
    }
    auto a = net.unchecked<3>();
    for (py::ssize_t c = 0; c < columns; ++c) {
      for (py::ssize_t r = 0; r < rows; ++r) {
        for (int k = 0; k < 4; ++k) {
          if (!FitsNet(a(c, r, k))) {
            Fail("The net holds a value that is not a finite single-precision number at column " +
                 std::to_string(c) + ", row " + std::to_string(r));
          }
        }
        if (!(a(c, r, 3) > 0.0)) {
          Fail("A weight must be more than 0 (column " + std::to_string(c) + ", row " +
               std::to_string(r) + ")");
        }
      }
    }
    for (py::ssize_t c = 0; c < columns; ++c) {
      for (py::ssize_t r = 0; r < rows; ++r) {
        d.Net[c][r] = Vertex{static_cast<float>(a(c, r, 0)), static_cast<float>(a(c, r, 1)),
                             static_cast<float>(a(c, r, 2)), static_cast<float>(a(c, r, 3))};
      }
    }
    session.Regenerate(Change::kVertices);
  }

  py::object Hydrostatics() {
    std::ostringstream err;
    cli::StreamPrompter prompter(err);
    HullDesign& design = session.design;
    HydrostaticResults& results = session.hydro->results;
    if (!HullGuard(design, *session.surface, prompter)) Fail(err.str());
    const bool ran =
        ComputeHydrostatics(design, *session.surface, *session.cuts, results, prompter);
    if (!ReportReady(ran, results)) Fail(err.str(), "The hydrostatics did not run");
    return ToPython(cli::HydrostaticsJson(results, design.Units));
  }

  py::object Resistance(const std::string& methodName, std::optional<py::tuple> speedRange,
                        const std::string& water, const py::kwargs& overrides) {
    const auto method = MethodNamed(methodName);
    if (!method) {
      throw py::value_error("Unknown method: " + methodName + " (holtrop, savitsky or yacht)");
    }
    if (water != "salt" && water != "fresh") {
      throw py::value_error("water needs salt or fresh: " + water);
    }
    std::vector<std::pair<const ResistanceField*, double>> given;
    for (const auto& [key, value] : overrides) {
      const std::string name = key.cast<std::string>();
      const ResistanceField* field = nullptr;
      for (const ResistanceField& f : ResistanceFields()) {
        if (name == f.key) field = &f;
      }
      if (!field) throw py::value_error("resistance does not take " + name);
      const double number = value.cast<double>();
      if (const auto bad = CheckFieldValue(*field, number, name)) throw py::value_error(*bad);
      if (!UsedBy(*field, *method)) {
        throw py::value_error(std::string(MethodName(*method)) + " does not use " + name);
      }
      given.emplace_back(field, number);
    }
    std::optional<std::vector<double>> speeds;
    if (speedRange) {
      if (speedRange->size() != 3) throw py::value_error("speeds are (from, to, step)");
      std::string reason;
      speeds = SpeedRange((*speedRange)[0].cast<double>(), (*speedRange)[1].cast<double>(),
                          (*speedRange)[2].cast<double>(), reason);
      if (!speeds) throw py::value_error(reason);
    }
    std::ostringstream err;
    cli::StreamPrompter prompter(err);
    if (!HullGuard(session.design, *session.surface, prompter)) Fail(err.str());
    HullResistanceSource source;
    if (!HullResistanceInputs(session.design, *session.surface, *session.cuts, prompter,
                              water == "salt" ? Water::kSalt : Water::kFresh, source)) {
      Fail(err.str(), "The hull gives no resistance inputs");
    }
    ResistanceInputs inputs = source.inputs;
    for (const auto& [field, value] : given) inputs.*(field->value) = value;
    if (const auto bad = CheckInputs(*method, inputs)) Fail(*bad);
    ResistanceRun run =
        ComputeResistance(*method, inputs, speeds ? *speeds : DefaultSpeeds(*method, inputs));
    if (*method == ResistanceMethod::kSavitsky && inputs.chineBeam == source.inputs.chineBeam) {
      if (const auto note = ChineNote(source)) run.warnings.insert(run.warnings.begin(), *note);
    }
    return ToPython(cli::ResistanceJson(run));
  }

  py::object Stability(double maxHeel, double step, std::optional<double> vcg,
                       std::optional<double> lcg) {
    std::string message;
    const std::optional<HeelSteps> heel = CheckHeelInputs(maxHeel, step, message);
    if (!heel) throw py::value_error(message);
    if (vcg.has_value() != lcg.has_value()) {
      throw py::value_error("vcg and lcg are given together (the centre of gravity set by hand)");
    }
    std::ostringstream err;
    cli::StreamPrompter prompter(err);
    StabilityInputs inputs;
    inputs.heel = *heel;
    if (!BallastItems(BallastTable::Reset(), inputs.ballast, message)) Fail(message);
    if (!HullGuard(session.design, *session.surface, prompter)) Fail(err.str());
    if (vcg) {
      if (!CheckCentreOfGravity(*vcg, *lcg, session.surface->extents, message)) {
        throw py::value_error(message);
      }
      inputs.manualCentre = true;
      inputs.manualVcg = *vcg;
      inputs.manualLcg = *lcg;
    }
    StabilityRecords records = StabilityRecordsOf(session);
    const StabilityRun run = RunStability(records, inputs, prompter);
    if (!run.ok) Fail(err.str(), "The stability run failed");
    // Rows not found are not results.
    const std::string notFound = NotFoundMessage(run);
    if (!notFound.empty()) Fail(notFound);
    const int32_t units = session.design.Units;
    return ToPython(cli::StabilityJson(run, units, EvaluateCriteria(run, units)));
  }
};

}  // namespace

}  // namespace skelmora::python

PYBIND11_MODULE(skelmora, m) {
  using skelmora::python::Design;
  m.doc() =
      "Hull designs and their calculations: hydrostatics, resistance and stability, answered\n"
      "in the same dictionaries (keys and units) as skelmora-cli's --json.";
  skelmora::python::g_error =
      PyErr_NewExceptionWithDoc("skelmora.Error",
                                "A design or calculation was refused; the message says why.",
                                PyExc_ValueError, nullptr);
  m.add_object("Error", py::handle(skelmora::python::g_error));

  py::class_<Design>(m, "Design", "One design: its net, surface and calculations.")
      .def_property(
          "net", &Design::Net, &Design::SetNet,
          "The vertex net as a float array, columns x rows x 4 (x, y, z, w) in the design's\n"
          "units. Reading gives a copy; assigning an array of the same shape replaces the\n"
          "vertices and regenerates the surface.")
      .def("save", &Design::Save, py::arg("path"), py::arg("shl_version") = 6,
           "Writes the design by the extension: .s98, .shl (version 5 or 6) or .mkr.")
      .def("export", &Design::Export, py::arg("format"), py::arg("path"),
           py::arg("sides") = py::none(),
           "Writes 'stl', 'iges', 'dxf', 'ghs' or 'offsets' to path, as `skelmora-cli export`\n"
           "(dxf: every family; sides='one' or 'both' for dxf and iges).")
      .def("hydrostatics", &Design::Hydrostatics,
           "The hydrostatics at the design's draft: a dict of values with a 'units' dict,\n"
           "as `skelmora-cli hydro FILE --json`.")
      .def("resistance", &Design::Resistance, py::arg("method"), py::arg("speeds") = py::none(),
           py::arg("water") = "salt",
           "Resistance by 'holtrop', 'savitsky' or 'yacht' over speeds=(from, to, step) in\n"
           "knots (the method's default series without it), in 'salt' or 'fresh' water. The\n"
           "hull's inputs are overridden by keyword with the JSON keys (lwl=..., beam=...).\n"
           "As `skelmora-cli resistance METHOD FILE --json`.")
      .def("stability", &Design::Stability, py::arg("max") = 45.0, py::arg("step") = 5.0,
           py::arg("vcg") = py::none(), py::arg("lcg") = py::none(),
           "The large-angle stability run to `max` degrees by `step`, the centre of gravity\n"
           "set by hand with vcg and lcg together. As `skelmora-cli stability FILE --json`;\n"
           "a heel whose equilibrium was not found raises.");

  m.def("open", &Design::Open, py::arg("path"), py::arg("iges_transpose") = py::none(),
        py::arg("iges_inches") = py::none(),
        "Reads a design by its extension: .s98, an older .shl, or an IGES surface (.igs,\n"
        ".iges; the two import questions answered by iges_transpose and iges_inches).");
  m.def("new", &Design::New, py::arg("kind"),
        "A generated design, as `skelmora-cli new KIND`: sailboat, nochine, onechine,\n"
        "twochine, cargo (units, loa, beam, freeboard, draft, bow, stern, stern_type) or\n"
        "box, cone, cylinder, plate, sphere with their dimensions; omitted parameters take\n"
        "the dialog's defaults.");
}
