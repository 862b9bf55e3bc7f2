#include "vycore/project.h"

#include <pugixml.hpp>

#include "vycore/filesystem.h"
#include "vycore/services.h"
#include "vycore/text.h"
#include "vycore/xml_text.h"

namespace vy {

std::string TVyDiagnostic::ToString() const {
  std::string text = file;
  if (line > 0) text += ":" + std::to_string(line);
  text += severity == Warning ? ": warning: " : ": error: ";
  return text + message;
}

namespace {

std::string KnownTypes() {
  std::string known;
  for (const TVyRegisteredAction& entry : VyActionServices().Catalogue()) {
    known += (known.empty() ? "" : ", ") + entry.typeId;
  }
  return known.empty() ? "no action types are registered" : "known types: " + known;
}

// Reads one document into a project, collecting every problem it finds so
// that a user can fix them all in one pass.
class TProjectLoader {
 public:
  TProjectLoader(std::string_view text, std::string fileName,
                 std::vector<TVyDiagnostic>& diagnostics)
      : text_(text), fileName_(std::move(fileName)), diagnostics_(diagnostics) {}

  bool Load(TVyProject& project) {
    if (const std::size_t nul = FindNulReference(text_); nul != std::string_view::npos) {
      Report(TVyDiagnostic::Error, LineOfOffset(text_, static_cast<std::ptrdiff_t>(nul)),
             "a value holds a NUL character (&#0;), which no program can be given");
      return false;
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text_.data(), text_.size(), pugi::parse_default);
    if (!parsed) {
      Report(TVyDiagnostic::Error,
             ParseErrorLine(text_, parsed.offset,
                            parsed.status == pugi::status_end_element_mismatch),
             parsed.description());
      return false;
    }
    LoadRoot(document.document_element(), project);
    return !failed_;
  }

 private:
  void LoadRoot(const pugi::xml_node root, TVyProject& project) {
    if (std::string_view(root.name()) != "VantryProject") {
      Error(root,
            "the root element must be <VantryProject>, not <" + std::string(root.name()) + ">");
      return;
    }
    const pugi::xml_attribute version = root.attribute("version");
    if (version && std::string_view(version.value()) != "1") {
      Error(root, "unsupported project version " + Quoted(version.value()) + " (expected 1)");
      return;
    }
    for (const pugi::xml_node child : root.children()) {
      const std::string_view name = child.name();
      if (name == "Variables") {
        LoadVariables(child, project);
      } else if (name == "Actions") {
        LoadActions(child, project);
      } else {
        Unexpected(child);
      }
    }
  }

  void LoadVariables(const pugi::xml_node variables, TVyProject& project) {
    for (const pugi::xml_node child : variables.children()) {
      if (std::string_view(child.name()) != "Variable") {
        Unexpected(child);
      } else if (std::string_view name = child.attribute("name").value(); name.empty()) {
        Error(child, "a variable needs a name");
      } else {
        project.variables.emplace_back(name, child.attribute("value").value());
      }
    }
  }

  void LoadActions(const pugi::xml_node actions, TVyProject& project) {
    for (const pugi::xml_node child : actions.children()) {
      if (std::string_view(child.name()) != "Action") {
        Unexpected(child);
      } else {
        LoadAction(child, project);
      }
    }
  }

  void LoadAction(const pugi::xml_node node, TVyProject& project) {
    TVyProjectAction entry;
    entry.typeId = node.attribute("type").value();
    entry.description = node.attribute("description").value();
    if (const pugi::xml_attribute enabled = node.attribute("enabled")) {
      if (SameText(enabled.value(), "true") || SameText(enabled.value(), "false")) {
        entry.enabled = SameText(enabled.value(), "true");
      } else {
        Error(node, "enabled: " + Quoted(enabled.value()) + " is not a Boolean (true or false)");
      }
    }
    const TVyRegisteredAction* registered = VyActionServices().FindAction(entry.typeId);
    if (!registered) {
      Error(node, "unknown action type " + Quoted(entry.typeId) + "; " + KnownTypes());
      return;
    }
    entry.typeId = registered->typeId;  // saved as registered, whatever the file's case
    entry.action = Create(entry.typeId);
    if (!entry.action) {
      Error(node, "the action of type " + Quoted(entry.typeId) + " could not be created");
      return;
    }
    for (const pugi::xml_node child : node.children()) {
      if (std::string_view(child.name()) != "Property") {
        Unexpected(child);
      } else {
        LoadProperty(child, entry);
      }
    }
    project.actions.push_back(std::move(entry));
  }

  void LoadProperty(const pugi::xml_node node, TVyProjectAction& entry) {
    const std::string_view name = node.attribute("name").value();
    const TPublishedProperty* property = entry.action->PublishedProperties().Find(name);
    if (!property) {
      // Silence here would run the action without the setting the user meant.
      std::vector<std::string> names;
      for (const TPublishedProperty& known : entry.action->PublishedProperties().Items()) {
        names.push_back(known.name);
      }
      const std::string closest = ClosestName(name, names);
      Error(node, entry.typeId + " has no property " + Quoted(name) +
                      (closest.empty() ? "; \"vantry actions " + entry.typeId + "\" lists them"
                                       : "; did you mean " + Quoted(closest) + "?"));
      return;
    }
    TPropertyValue value;
    std::string problem;
    if (PropertyValueFromText(*property, node.attribute("value").value(), value, &problem)) {
      try {
        property->set(*entry.action, value);
      } catch (const std::exception& e) {
        problem = e.what();
      } catch (...) {
        problem = "the action rejected the value";
      }
    }
    if (!problem.empty()) Error(node, "property " + Quoted(property->name) + ": " + problem);
  }

  // A package's constructor is its own code: whatever it throws ends here.
  static std::unique_ptr<TCustomVyAction> Create(const std::string& typeId) {
    try {
      return VyActionServices().CreateAction(typeId);
    } catch (...) {
      return nullptr;
    }
  }

  void Unexpected(const pugi::xml_node node) {
    if (node.type() != pugi::node_element) return;  // comments and blank text
    Warning(node, "unknown element <" + std::string(node.name()) + "> is ignored");
  }

  int Line(const pugi::xml_node node) const { return LineOfOffset(text_, node.offset_debug()); }
  void Error(const pugi::xml_node node, std::string message) {
    Report(TVyDiagnostic::Error, Line(node), std::move(message));
  }
  void Warning(const pugi::xml_node node, std::string message) {
    Report(TVyDiagnostic::Warning, Line(node), std::move(message));
  }
  void Report(TVyDiagnostic::Severity severity, int line, std::string message) {
    if (severity == TVyDiagnostic::Error) failed_ = true;
    diagnostics_.push_back({severity, fileName_, line, std::move(message)});
  }

  std::string_view text_;
  std::string fileName_;
  std::vector<TVyDiagnostic>& diagnostics_;
  bool failed_ = false;
};

std::string Attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + XmlEscape(value) + "\"";
}

void AppendAction(const TVyProjectAction& entry, std::string& text) {
  text += "    <Action" + Attribute("type", entry.typeId) +
          Attribute("description", entry.description) +
          Attribute("enabled", entry.enabled ? "true" : "false");
  if (!entry.action || entry.action->PublishedProperties().Items().empty()) {
    text += "/>\n";
    return;
  }
  text += ">\n";
  for (const TPublishedProperty& property : entry.action->PublishedProperties().Items()) {
    const TPropertyValue current = property.get(*entry.action);
    // An empty string is not written, so that loading leaves what the
    // constructor set: some setters treat an empty value as a value.
    if (property.kind == TPropertyKind::String && std::get<std::string>(current).empty()) continue;
    const std::string value = PropertyValueToText(property, current);
    text +=
        "      <Property" + Attribute("name", property.name) + Attribute("value", value) + "/>\n";
  }
  text += "    </Action>\n";
}

}  // namespace

bool LoadProjectText(const std::string& text, const std::string& fileName, TVyProject& project,
                     std::vector<TVyDiagnostic>& diagnostics) {
  TVyProject loaded;
  bool ok = false;
  try {
    ok = TProjectLoader(text, fileName, diagnostics).Load(loaded);
  } catch (const std::exception& e) {
    diagnostics.push_back({TVyDiagnostic::Error, fileName, 0, e.what()});
  } catch (...) {
    diagnostics.push_back({TVyDiagnostic::Error, fileName, 0, "the project could not be read"});
  }
  project = ok ? std::move(loaded) : TVyProject();
  return ok;
}

bool LoadProject(const std::string& path, TVyProject& project,
                 std::vector<TVyDiagnostic>& diagnostics) {
  std::string text;
  std::string error;
  if (!ReadFileText(path, text, &error)) {
    diagnostics.push_back({TVyDiagnostic::Error, path, 0, error});
    project = TVyProject();
    return false;
  }
  return LoadProjectText(text, path, project, diagnostics);
}

std::string ProjectToText(const TVyProject& project) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VantryProject version=\"1\">\n";
  text += "  <Variables>\n";
  for (const auto& [name, value] : project.variables) {
    text += "    <Variable" + Attribute("name", name) + Attribute("value", value) + "/>\n";
  }
  text += "  </Variables>\n  <Actions>\n";
  for (const TVyProjectAction& entry : project.actions) AppendAction(entry, text);
  text += "  </Actions>\n</VantryProject>\n";
  return text;
}

bool SaveProject(const std::string& path, const TVyProject& project, std::string* error) {
  std::string text;
  try {
    text = ProjectToText(project);
  } catch (const std::exception& e) {
    if (error) *error = "cannot save " + Quoted(path) + ": " + e.what();
    return false;
  } catch (...) {
    if (error) *error = "cannot save " + Quoted(path) + ": an action could not be read";
    return false;
  }
  return WriteFileAtomic(path, text, error);
}

}  // namespace vy
