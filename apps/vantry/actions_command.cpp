// vantry actions [TYPE] [--markdown]: the action catalogue as the packages
// registered it, or what one action type accepts: its pages and its published
// properties with their kinds, values and defaults.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "vycore/plugin.h"
#include "vycore/properties.h"
#include "vycore/services.h"
#include "vycore/text.h"

namespace vantry {

namespace {

struct TActionsRequest {
  std::string type;  // empty: every type
  bool markdown = false;
};

std::string Padded(std::string text, std::size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

std::string KindName(vy::TPropertyKind kind) {
  switch (kind) {
    case vy::TPropertyKind::String:
      return "string";
    case vy::TPropertyKind::Boolean:
      return "Boolean";
    case vy::TPropertyKind::Integer:
      return "integer";
    case vy::TPropertyKind::Enumeration:
      break;
  }
  return "enumeration";
}

// A string as a C literal would show it, so that blanks and line breaks show.
std::string Literal(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += c;
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

std::string Joined(const std::vector<std::string>& items, const std::string& before,
                   const std::string& after) {
  std::string text;
  for (const std::string& item : items) {
    text += (text.empty() ? "" : ", ") + before + item + after;
  }
  return text;
}

// One property as a fresh action of the type has it.
struct TPropertyRow {
  std::string name;
  std::string kind;
  std::vector<std::string> values;  // enumerations
  std::string defaultValue;
  bool hidden = false;
};

struct TTypeDescription {
  const vy::TVyRegisteredAction* registered = nullptr;
  int helpTopic = 0;
  std::string quickHelp;
  std::vector<std::string> pages;
  std::vector<TPropertyRow> properties;
};

TTypeDescription Describe(const vy::TVyRegisteredAction& registered) {
  TTypeDescription description;
  description.registered = &registered;
  for (const vy::TVyPageClass& page : registered.pages) description.pages.push_back(page.className);
  const std::unique_ptr<vy::TCustomVyAction> action =
      vy::VyActionServices().CreateAction(registered.typeId);
  if (!action) return description;
  description.helpTopic = action->GetHelpTopicID();
  description.quickHelp = action->GetQuickHelpFilename();
  const vy::TStringList hidden = action->GetHiddenProperties();
  for (const vy::TPublishedProperty& property : action->PublishedProperties().Items()) {
    TPropertyRow row{property.name, KindName(property.kind), property.enumNames,
                     vy::PropertyValueToText(property, property.get(*action)), false};
    if (property.kind == vy::TPropertyKind::String) row.defaultValue = Literal(row.defaultValue);
    row.hidden = std::any_of(hidden.begin(), hidden.end(), [&](const std::string& name) {
      return vy::SameText(name, property.name);
    });
    description.properties.push_back(std::move(row));
  }
  return description;
}

void PrintText(const TTypeDescription& type) {
  const vy::TVyRegisteredAction& registered = *type.registered;
  PrintLine(registered.typeId + ": " + registered.displayName, TStyle::Heading);
  PrintLine("  Category:   " + registered.category);
  PrintLine("  Help topic: " + std::to_string(type.helpTopic) +
            (type.quickHelp.empty() ? "" : " (" + type.quickHelp + ")"));
  PrintLine("  Pages:      " + (type.pages.empty() ? "none" : Joined(type.pages, "", "")));
  PrintLine("Properties, in the order the action declares them:", TStyle::Heading);
  std::size_t nameWidth = 4, kindWidth = 4, defaultWidth = 7;
  for (const TPropertyRow& row : type.properties) {
    nameWidth = std::max(nameWidth, row.name.size());
    kindWidth = std::max(kindWidth, row.kind.size());
    defaultWidth = std::max(defaultWidth, row.defaultValue.size());
  }
  PrintLine("  " + Padded("NAME", nameWidth) + "  " + Padded("KIND", kindWidth) + "  " +
            Padded("DEFAULT", defaultWidth) + "  VALUES");
  for (const TPropertyRow& row : type.properties) {
    std::string notes = Joined(row.values, "", "");
    if (row.hidden) notes += std::string(notes.empty() ? "" : "; ") + "hidden";
    std::string line = "  " + Padded(row.name, nameWidth) + "  " + Padded(row.kind, kindWidth) +
                       "  " + Padded(row.defaultValue, defaultWidth) + "  " + notes;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    PrintLine(line);
  }
}

std::string MarkdownCell(std::string text) {
  std::string out;
  for (const char c : text) out += c == '|' ? std::string("\\|") : std::string(1, c);
  return out;
}

void PrintMarkdown(const TTypeDescription& type) {
  const vy::TVyRegisteredAction& registered = *type.registered;
  PrintLine("## " + registered.typeId + ": " + registered.displayName);
  PrintLine("");
  PrintLine("Category " + registered.category + ", help topic " + std::to_string(type.helpTopic) +
            ". Pages: " + (type.pages.empty() ? "none" : Joined(type.pages, "`", "`")) + ".");
  PrintLine("");
  PrintLine("| Property | Kind | Default | Hidden |");
  PrintLine("|---|---|---|---|");
  for (const TPropertyRow& row : type.properties) {
    std::string kind = row.kind;
    if (!row.values.empty()) kind += ": " + Joined(row.values, "`", "`");
    PrintLine("| `" + row.name + "` | " + kind + " | `" + MarkdownCell(row.defaultValue) + "` | " +
              (row.hidden ? "hidden" : "") + " |");
  }
}

void PrintMarkdownHeader() {
  PrintLine("# Action types");
  PrintLine("");
  PrintLine("What each action type accepts in a project file: its published properties in the");
  PrintLine("order the action declares them, their kind (with the values of an enumeration), the");
  PrintLine("value of a fresh action, and whether the designer hides the property from its");
  PrintLine("property list (hidden properties are still saved and read). String defaults are");
  PrintLine("shown as literals, `\\r\\n` standing for a line break. Written by");
  PrintLine("`vantry actions --markdown > docs/actions.md`; a test fails when the two differ.");
}

void PrintCatalogue(const std::vector<vy::TVyRegisteredAction>& catalogue) {
  std::size_t typeWidth = 4, nameWidth = 4;
  for (const vy::TVyRegisteredAction& entry : catalogue) {
    typeWidth = std::max(typeWidth, entry.typeId.size());
    nameWidth = std::max(nameWidth, entry.displayName.size());
  }
  PrintLine(Padded("TYPE", typeWidth) + "  " + Padded("NAME", nameWidth) + "  CATEGORY",
            TStyle::Heading);
  for (const vy::TVyRegisteredAction& entry : catalogue) {
    PrintLine(Padded(entry.typeId, typeWidth) + "  " + Padded(entry.displayName, nameWidth) + "  " +
              entry.category);
  }
}

std::string KnownTypes() {
  std::string names;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    names += (names.empty() ? "" : ", ") + entry.typeId;
  }
  return names.empty() ? "none" : names;
}

int ListActions(TCommandContext& context, const TActionsRequest& request) {
  if (!context.LoadHost(true)) return ecUsage;
  const auto& catalogue = vy::VyActionServices().Catalogue();
  if (catalogue.empty()) {
    std::string folders;
    for (const std::string& folder : vy::PackageSearchPath()) folders += "\n  " + folder;
    PrintError("vantry: no actions are registered; packages are looked for in:" + folders);
    return request.type.empty() ? ecSuccess : ecUsage;
  }
  std::vector<const vy::TVyRegisteredAction*> chosen;
  if (!request.type.empty()) {
    const vy::TVyRegisteredAction* found = vy::VyActionServices().FindAction(request.type);
    if (found == nullptr) {
      PrintError("vantry: unknown action type \"" + request.type + "\" (known: " + KnownTypes() +
                 ")");
      return ecUsage;
    }
    chosen.push_back(found);
  } else if (request.markdown) {
    for (const vy::TVyRegisteredAction& entry : catalogue) chosen.push_back(&entry);
  } else {
    PrintCatalogue(catalogue);
    return ecSuccess;
  }
  if (request.markdown && request.type.empty()) PrintMarkdownHeader();
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    if (request.markdown) {
      if (request.type.empty() || i > 0) PrintLine("");
      PrintMarkdown(Describe(*chosen[i]));
    } else {
      PrintText(Describe(*chosen[i]));
    }
  }
  return ecSuccess;
}

}  // namespace

void AddActionsCommand(CLI::App& app, TCommandContext& context) {
  auto request = std::make_shared<TActionsRequest>();
  CLI::App* command = app.add_subcommand(
      "actions", "List the action types, or show what one type accepts");
  command->add_option("TYPE", request->type,
                      "An action type (any case): its pages and published properties");
  command->add_flag("--markdown", request->markdown,
                    "Describe the types (all, or TYPE) in Markdown, as docs/actions.md holds them");
  SetCommandFooter(*command,
                   "0 the catalogue or the type was shown\n2 bad usage, an unknown type or an "
                   "unreadable options store");
  command->callback([&context, request] { context.exitCode = ListActions(context, *request); });
}

}  // namespace vantry
