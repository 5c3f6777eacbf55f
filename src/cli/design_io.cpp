#include "design_io.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "files/design_file.h"
#include "files/file_messages.h"
#include "files/markers.h"
#include "files/older_file.h"
#include "files/iges_import.h"
#include "files/text_io.h"
#include "model/silent_prompter.h"

namespace skelmora::cli {

namespace {

std::string Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return ext;
}

// Answers the IGES import's questions as the options say.
class IgesPrompter : public SilentPrompter {
 public:
  IgesPrompter(bool transpose, bool inches) : transpose_(transpose), inches_(inches) {}
  bool AskYesNo(const std::string& text) override {
    if (text == kExchangeRowsQuestion) return transpose_;
    if (text == kIgesInchesQuestion) return inches_;
    return false;
  }

 private:
  bool transpose_;
  bool inches_;
};

bool ImportIges(const std::string& path, DesignSession& session, std::string& message,
                const IgesAnswers& answers) {
  std::string text;
  if (!ReadIgesFileText(path, text, message)) return false;
  IgesSurface parsed;
  if (ParseIgesText(text, parsed, message) != IgesParse::kOk) return false;
  IgesPrompter prompter(answers.transpose.value_or(false),
                        answers.inches.value_or(IgesUnitIsImperial(parsed.unitsFlag)));
  return ImportIgesText(session.design, *session.surface, text, path, prompter, message);
}

}  // namespace

bool LoadDesign(const std::string& path, DesignSession& session, std::string& message,
                const IgesAnswers& iges) {
  const std::string ext = Extension(path);
  if (ext == ".igs" || ext == ".iges") {
    if (!ImportIges(path, session, message, iges)) return false;
  } else if (ext == ".shl") {
    // A current-format file under ".shl" is refused, never renamed here.
    SilentPrompter nobody;
    OlderReadOptions options;
    options.renameCurrentFormat = false;
    if (ReadOlderFile(session.design, *session.surface, path, nobody, message, options) !=
        OlderRead::kRead) {
      return false;
    }
  } else if (ext != ".s98") {
    message = kNotHullFileMessage;
    return false;
  } else if (!ReadDesignFile(session.design, *session.surface, path, message)) {
    return false;
  }
  session.design.DesignFileName = path;
  session.Regenerate(Change::kExtents);
  return true;
}

bool Load(const std::string& path, DesignSession& session, std::ostream& err,
          const IgesAnswers& iges) {
  std::string message;
  if (!LoadDesign(path, session, message, iges)) {
    err << message << '\n';
    return false;
  }
  return true;
}

bool Load(const Args& args, const std::string& path, DesignSession& session, std::ostream& err) {
  if (args.columnDivisions) {
    session.design.ColumnDivisions = *args.columnDivisions;
    session.design.RowDivisions = *args.rowDivisions;
  }
  return Load(path, session, err, IgesAnswers{args.igesTranspose, args.igesInches});
}

bool Expect(const Args& args, size_t count, const char* usage, std::ostream& err) {
  if (args.positional.size() != count) {
    err << "usage: skelmora-cli " << usage << '\n';
    return false;
  }
  return true;
}

bool SaveDesignAs(HullDesign& design, const std::string& path, std::string& message,
                  int shlVersion) {
  const std::string ext = Extension(path);
  if (ext == ".s98") return WriteDesignFile(design, path, message);
  if (ext == ".shl") {
    return WriteOlderFile(design, path,
                          shlVersion == 5 ? OlderVersion::kVersion5 : OlderVersion::kVersion6,
                          message);
  }
  if (ext == ".mkr") {
    // The net's vertices as measure markers.
    if (WriteMarkersFromVertices(design, path)) return true;
    message = CannotSaveMessage(MarkerFileNameFor(path));
    return false;
  }
  message = "Cannot write this file type: " + path;
  return false;
}

}  // namespace skelmora::cli
