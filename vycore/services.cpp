#include "vycore/services.h"

#include <algorithm>
#include <map>

#include "vycore/text.h"

extern char** environ;

namespace vy {
namespace {

class TActionServices final : public IVyActionServices {
 public:
  void RegisterAction(const std::string& displayName, const std::string& category,
                      const TVyActionClass& actionClass, const std::string& typeId) override {
    TVyRegisteredAction entry{displayName, category, actionClass, typeId, {}};
    if (TVyRegisteredAction* existing = Find(typeId)) {
      entry.pages = std::move(existing->pages);
      *existing = std::move(entry);
    } else {
      catalogue_.push_back(std::move(entry));
    }
  }
  void RegisterActionPages(const TVyActionClass& actionClass,
                           const std::vector<TVyPageClass>& pages) override {
    for (TVyRegisteredAction& entry : catalogue_) {
      if (entry.actionClass.className == actionClass.className) entry.pages = pages;
    }
  }
  std::unique_ptr<TCustomVyAction> CreateAction(const std::string& typeId) const override {
    const TVyRegisteredAction* entry = FindAction(typeId);
    return entry && entry->actionClass.create ? entry->actionClass.create() : nullptr;
  }
  const TVyRegisteredAction* FindAction(const std::string& typeId) const override {
    for (const TVyRegisteredAction& entry : catalogue_) {
      if (SameText(entry.typeId, typeId)) return &entry;
    }
    return nullptr;
  }
  const std::vector<TVyRegisteredAction>& Catalogue() const override { return catalogue_; }

 private:
  TVyRegisteredAction* Find(const std::string& typeId) {
    return const_cast<TVyRegisteredAction*>(std::as_const(*this).FindAction(typeId));
  }

  std::vector<TVyRegisteredAction> catalogue_;
};

class TOptionsServices final : public IVyOptionsServices {
 public:
  void RegisterOptions(const TVyOptionsClass& optionsClass, const std::string& imageName) override {
    TVyRegisteredOptions entry{optionsClass, imageName, {}, nullptr};
    if (optionsClass.create) entry.instance = optionsClass.create();
    for (TVyRegisteredOptions& existing : registered_) {
      if (existing.optionsClass.className == optionsClass.className) {
        entry.pages = std::move(existing.pages);
        existing = std::move(entry);
        return;
      }
    }
    registered_.push_back(std::move(entry));
  }
  void RegisterOptionsPages(const TVyOptionsClass& optionsClass,
                            const std::vector<TVyPageClass>& pages) override {
    for (TVyRegisteredOptions& entry : registered_) {
      if (entry.optionsClass.className == optionsClass.className) entry.pages = pages;
    }
  }
  TVyOptionsObject* FindOptions(const std::string& category,
                                const std::string& name) const override {
    for (const TVyRegisteredOptions& entry : registered_) {
      TVyOptionsObject* options = entry.instance.get();
      if (options && SameText(options->GetCategory(), category) &&
          SameText(options->GetName(), name)) {
        return options;
      }
    }
    return nullptr;
  }
  const std::vector<TVyRegisteredOptions>& Registered() const override { return registered_; }

 private:
  std::vector<TVyRegisteredOptions> registered_;
};

class TScriptObject final : public IVyScriptValue {
 public:
  explicit TScriptObject(TVyPersistent* object) : object_(object) {}
  TVyPersistent* Object() const override { return object_; }

 private:
  TVyPersistent* object_;
};

class TScriptingServices final : public IVyScriptingServices {
 public:
  void RegisterEnumeration(const std::string& typeName,
                           const std::vector<std::string>& valueNames) override {
    enumerations_[typeName] = valueNames;
  }
  void RegisterFunction(const std::string& name, TVyScriptFunction callback) override {
    functions_[name] = std::move(callback);
  }
  std::shared_ptr<IVyScriptValue> WrapObject(TVyPersistent* object) override {
    return std::make_shared<TScriptObject>(object);
  }
  std::shared_ptr<IVyScriptValue> Call(const std::string& name) override {
    auto it = functions_.find(name);
    return it == functions_.end() || !it->second ? nullptr : it->second();
  }
  const std::vector<std::string>* FindEnumeration(const std::string& typeName) const override {
    auto it = enumerations_.find(typeName);
    return it == enumerations_.end() ? nullptr : &it->second;
  }
  std::vector<std::string> FunctionNames() const override {
    std::vector<std::string> names;
    for (const auto& [name, callback] : functions_) names.push_back(name);
    return names;
  }
  void RegisterTextFunction(const std::string& name, const TStringList& parameterNames,
                            TVyTextFunction callback) override {
    TVyRegisteredTextFunction entry{name, parameterNames, std::move(callback)};
    for (TVyRegisteredTextFunction& existing : textFunctions_) {
      if (SameText(existing.name, name)) {
        existing = std::move(entry);
        return;
      }
    }
    textFunctions_.push_back(std::move(entry));
  }
  const TVyRegisteredTextFunction* FindTextFunction(const std::string& name) const override {
    for (const TVyRegisteredTextFunction& entry : textFunctions_) {
      if (SameText(entry.name, name)) return &entry;
    }
    return nullptr;
  }
  const std::vector<TVyRegisteredTextFunction>& TextFunctions() const override {
    return textFunctions_;
  }

 private:
  // Script names are looked up as the user types them.
  std::map<std::string, std::vector<std::string>, TCaseInsensitiveLess> enumerations_;
  std::map<std::string, TVyScriptFunction, TCaseInsensitiveLess> functions_;
  std::vector<TVyRegisteredTextFunction> textFunctions_;
};

class TDesignApplicationServices final : public IVyDesignApplicationServices {
 public:
  void GetVariableNames(TStringList& names, bool includeEnvironment) override {
    names = variables_.Names();
    if (includeEnvironment) AppendEnvironmentNames(names);
    std::sort(names.begin(), names.end(), TCaseInsensitiveLess());
  }
  void SetScreenCursor(int cursor) override {
    if (cursorHandler) cursorHandler(cursor);
  }
  TVyScreenCursorHandler cursorHandler;
  TVyVariables& DesignVariables() override { return variables_; }

 private:
  static void AppendEnvironmentNames(TStringList& names) {
    for (char** entry = environ; entry && *entry; ++entry) {
      const std::string_view text(*entry);
      const std::size_t equals = text.find('=');
      if (equals != 0 && equals != std::string_view::npos) {
        names.push_back("ENV:" + std::string(text.substr(0, equals)));
      }
    }
  }

  TVyVariables variables_;
};

bool Cancelled(const std::string&, std::string&, const std::string&) {
  return false;
}

bool CancelledFile(const std::string&, std::string&, const std::string&, const std::string&) {
  return false;
}

struct TServices {
  TActionServices actions;
  TOptionsServices options;
  TScriptingServices scripting;
  TDesignApplicationServices design;
  TVyBrowseForDirectory browseDirectory = Cancelled;
  TVyBrowseForFile browseFile = CancelledFile;
  TVyBrowseForSaveFile browseSaveFile;
  TVyListingFailureHandler listingFailure;
};

std::unique_ptr<TServices>& ServicesSlot() {
  static std::unique_ptr<TServices> services = std::make_unique<TServices>();
  return services;
}

TServices& Services() {
  return *ServicesSlot();
}

}  // namespace

IVyActionServices& VyActionServices() {
  return Services().actions;
}

IVyOptionsServices& VyOptionsServices() {
  return Services().options;
}

IVyScriptingServices& VyScriptingServices() {
  return Services().scripting;
}

IVyDesignApplicationServices& VyDesignApplicationServices() {
  return Services().design;
}

void ResetVyServicesForTesting() {
  ServicesSlot() = std::make_unique<TServices>();
}

bool VyBrowseForDirectory(const std::string& initialDir, std::string& directory,
                          const std::string& caption) {
  return Services().browseDirectory(initialDir, directory, caption);
}

bool VyBrowseForFile(const std::string& initialDir, std::string& file, const std::string& pattern,
                     const std::string& caption) {
  return Services().browseFile(initialDir, file, pattern, caption);
}

void SetVyBrowsers(TVyBrowseForDirectory directory, TVyBrowseForFile file) {
  Services().browseDirectory = directory ? std::move(directory) : Cancelled;
  Services().browseFile = file ? std::move(file) : CancelledFile;
}

bool VyBrowseForSaveFile(const TVySaveFileRequest& request, std::string& file) {
  return Services().browseSaveFile && Services().browseSaveFile(request, file);
}

void SetVySaveFileBrowser(TVyBrowseForSaveFile browser) {
  Services().browseSaveFile = std::move(browser);
}

void SetVyListingFailureHandler(TVyListingFailureHandler handler) {
  Services().listingFailure = std::move(handler);
}

void VyReportListingFailure(const std::string& what) {
  if (Services().listingFailure) Services().listingFailure(what);
}

void SetVyScreenCursorHandler(TVyScreenCursorHandler handler) {
  Services().design.cursorHandler = std::move(handler);
}

}  // namespace vy
