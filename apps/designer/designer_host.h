#pragma once
// Bringing the designer's host up: the packages with their pages, the page
// libraries, the desktop's design services and the options store the runner
// reads, in the order the runner uses.

#include <QIcon>
#include <QString>
#include <string>
#include <vector>

#include "vycore/options_store.h"

namespace designer {

struct TDesignerHost {
  vy::TVyOptionsStore store;
  std::vector<std::string> errors;  // one line per problem, for the user to read

  // Loads everything found beside the program (and on the search paths).
  // False when the options store cannot be read: the designer must not
  // overwrite a store it could not parse.
  bool Load();
  // The same from given folders (tests, benchmarks).
  bool Load(const std::vector<std::string>& packageFolders,
            const std::vector<std::string>& pageFolders, const std::string& optionsPath);
  // Writes the options objects the options dialog modified; false with
  // `error` when the store cannot be written.
  bool SaveOptions(std::string* error);
  // Reads the store afresh into the options objects, so that what the
  // runner saved since start-up shows (and is kept by the next save).
  bool ReloadOptions(std::string* error);
};

// The type's 16 x 16 image, found by the name the package registered (the
// type identifier, or "CC_LOGO" for the options); a neutral image when the
// name has none.
QIcon ImageByName(const std::string& name);

// The runner shipped beside the designer.
QString DefaultRunnerPath();

}  // namespace designer
