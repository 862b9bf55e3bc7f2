#pragma once
// The host's services as packages see them. Each is a process-wide object
// owned by the host library, reached through a function of the same name.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vycore/action.h"
#include "vycore/options.h"
#include "vycore/types.h"

namespace vy {

// A class the host can instantiate: a name and a factory.
template <class Base>
struct TVyClass {
  std::string className;
  std::function<std::unique_ptr<Base>()> create;
};
using TVyActionClass = TVyClass<TCustomVyAction>;
using TVyOptionsClass = TVyClass<TVyOptionsObject>;

template <class T, class Base>
TVyClass<Base> MakeClass(std::string className) {
  return {std::move(className), [] { return std::unique_ptr<Base>(std::make_unique<T>()); }};
}
template <class T>
TVyActionClass ActionClass(std::string className) {
  return MakeClass<T, TCustomVyAction>(std::move(className));
}
template <class T>
TVyOptionsClass OptionsClass(std::string className) {
  return MakeClass<T, TVyOptionsObject>(std::move(className));
}

// Page classes are named here; the designer maps names to widgets.
struct TVyPageClass {
  std::string className;
};

struct TVyRegisteredAction {
  std::string displayName;
  std::string category;
  TVyActionClass actionClass;
  std::string typeId;
  std::vector<TVyPageClass> pages;
};

class IVyActionServices {
 public:
  virtual ~IVyActionServices() = default;
  virtual void RegisterAction(const std::string& displayName, const std::string& category,
                              const TVyActionClass& actionClass, const std::string& typeId) = 0;
  // Identified by the class name given at RegisterAction.
  virtual void RegisterActionPages(const TVyActionClass& actionClass,
                                   const std::vector<TVyPageClass>& pages) = 0;
  virtual std::unique_ptr<TCustomVyAction> CreateAction(const std::string& typeId) const = 0;
  virtual const TVyRegisteredAction* FindAction(const std::string& typeId) const = 0;
  virtual const std::vector<TVyRegisteredAction>& Catalogue() const = 0;  // registration order
};

struct TVyRegisteredOptions {
  TVyOptionsClass optionsClass;
  std::string imageName;
  std::vector<TVyPageClass> pages;
  std::unique_ptr<TVyOptionsObject> instance;  // created at registration
};

class IVyOptionsServices {
 public:
  virtual ~IVyOptionsServices() = default;
  // Creates the host's one instance of the class.
  virtual void RegisterOptions(const TVyOptionsClass& optionsClass,
                               const std::string& imageName) = 0;
  virtual void RegisterOptionsPages(const TVyOptionsClass& optionsClass,
                                    const std::vector<TVyPageClass>& pages) = 0;
  // nullptr when there is no such object.
  virtual TVyOptionsObject* FindOptions(const std::string& category,
                                        const std::string& name) const = 0;
  virtual const std::vector<TVyRegisteredOptions>& Registered() const = 0;
};

// Script access: objects are exposed by their published properties.
class IVyScriptValue {
 public:
  virtual ~IVyScriptValue() = default;
  virtual TVyPersistent* Object() const = 0;  // nullptr for a plain value
};
using TVyScriptFunction = std::function<std::shared_ptr<IVyScriptValue>()>;
// A function of text arguments returning text (a package's listing queries
// are published this way for host tools such as "vantry query").
using TVyTextFunction = std::function<std::string(const TStringList& arguments)>;
struct TVyRegisteredTextFunction {
  std::string name;
  TStringList parameterNames;
  TVyTextFunction callback;
};

class IVyScriptingServices {
 public:
  virtual ~IVyScriptingServices() = default;
  virtual void RegisterEnumeration(const std::string& typeName,
                                   const std::vector<std::string>& valueNames) = 0;
  virtual void RegisterFunction(const std::string& name, TVyScriptFunction callback) = 0;
  virtual std::shared_ptr<IVyScriptValue> WrapObject(TVyPersistent* object) = 0;
  // Calls a registered function; nullptr when unknown.
  virtual std::shared_ptr<IVyScriptValue> Call(const std::string& name) = 0;
  virtual const std::vector<std::string>* FindEnumeration(const std::string& typeName) const = 0;
  virtual std::vector<std::string> FunctionNames() const = 0;
  virtual void RegisterTextFunction(const std::string& name, const TStringList& parameterNames,
                                    TVyTextFunction callback) = 0;
  virtual const TVyRegisteredTextFunction* FindTextFunction(const std::string& name) const = 0;
  virtual const std::vector<TVyRegisteredTextFunction>& TextFunctions() const = 0;  // in order
};

class IVyDesignApplicationServices {
 public:
  virtual ~IVyDesignApplicationServices() = default;
  // Fills `names` with the host's variable names, sorted; with
  // includeEnvironment, the environment's names too, as "ENV:NAME".
  virtual void GetVariableNames(TStringList& names, bool includeEnvironment) = 0;
  // Busy indication while the interface is blocked (kVyCursorBusy,
  // kVyCursorDefault). The headless host ignores it; the designer installs a
  // handler with SetVyScreenCursorHandler.
  virtual void SetScreenCursor(int cursor) = 0;
  virtual TVyVariables& DesignVariables() = 0;
};

// Cursor values as the desktop numbers them.
inline constexpr int kVyCursorDefault = 0;
inline constexpr int kVyCursorBusy = -11;
using TVyScreenCursorHandler = std::function<void(int cursor)>;
// An empty function restores the headless answer (nothing happens).
void SetVyScreenCursorHandler(TVyScreenCursorHandler handler);

// A design-time listing answers an empty list for every failure, as the pages
// expect. A host tool that must say why a listing came back empty installs a
// handler; the listing reports each failure to it in words (first line: what
// failed; further lines: what the program printed on its error stream).
using TVyListingFailureHandler = std::function<void(const std::string& what)>;
// An empty function removes the handler.
void SetVyListingFailureHandler(TVyListingFailureHandler handler);
void VyReportListingFailure(const std::string& what);

IVyActionServices& VyActionServices();
IVyOptionsServices& VyOptionsServices();
IVyScriptingServices& VyScriptingServices();
IVyDesignApplicationServices& VyDesignApplicationServices();

// Tests start from a clean host.
void ResetVyServicesForTesting();

// Folder and file browsers. The headless host answers "cancelled" (false);
// the designer installs real dialogs and tests install doubles.
using TVyBrowseForDirectory = std::function<bool(
    const std::string& initialDir, std::string& directory, const std::string& caption)>;
using TVyBrowseForFile =
    std::function<bool(const std::string& initialDir, std::string& file, const std::string& pattern,
                       const std::string& caption)>;
bool VyBrowseForDirectory(const std::string& initialDir, std::string& directory,
                          const std::string& caption);
bool VyBrowseForFile(const std::string& initialDir, std::string& file, const std::string& pattern,
                     const std::string& caption);
// An empty function restores the headless answer.
void SetVyBrowsers(TVyBrowseForDirectory directory, TVyBrowseForFile file);

// The platform's save-file dialog. The filter lists "Description|pattern"
// pairs separated by "|"; filterIndex counts its entries from 1.
struct TVySaveFileRequest {
  std::string title;
  std::string filter;
  int filterIndex = 1;
  std::string initialDir;
  std::string fileName;
};
using TVyBrowseForSaveFile =
    std::function<bool(const TVySaveFileRequest& request, std::string& file)>;
// True with `file` set when the user accepts; the headless host cancels.
bool VyBrowseForSaveFile(const TVySaveFileRequest& request, std::string& file);
void SetVySaveFileBrowser(TVyBrowseForSaveFile browser);

}  // namespace vy
