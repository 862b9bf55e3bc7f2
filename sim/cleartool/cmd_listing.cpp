// lsvob, lstype, lspool, lshistory, ls, describe and the version banner.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "sim/cleartool/commands.h"
#include "sim/cleartool/paths.h"
#include "sim/cleartool/text.h"

namespace ctsim {

std::string CreatedOf(pugi::xml_node node) {
  return node.attribute("created").as_string("2005-01-17T10:50:13");
}

std::string OwnerOf(pugi::xml_node node) {
  return node.attribute("owner").as_string("vobadm");
}

namespace {

bool IsTypeKind(std::string_view kind) {
  return kind == "lbtype" || kind == "attype" || kind == "brtype" || kind == "eltype" ||
         kind == "hltype" || kind == "trtype";
}

std::string VobAttributes(pugi::xml_node vob) {
  std::vector<std::string> attrs;
  if (vob.attribute("ucm").as_bool()) attrs.push_back("ucmvob");
  if (vob.attribute("replicated").as_bool()) attrs.push_back("replicated");
  return attrs.empty() ? "" : " (" + Join(attrs, ", ") + ")";
}

std::string Access(pugi::xml_node vob) {
  return vob.attribute("access").as_string("public");
}

void PrintVobLong(Context& ctx, pugi::xml_node vob) {
  ctx.Print(std::string("Tag: ") + vob.attribute("tag").as_string());
  ctx.Print(std::string("  Global path: ") + vob.attribute("storage").as_string());
  ctx.Print(std::string("  Server host: ") +
            ctx.world.Root().attribute("host").as_string("buildhost"));
  ctx.Print("  Access: " + Access(vob));
  ctx.Print(std::string("  Active: ") + (vob.attribute("mounted").as_bool(true) ? "YES" : "NO"));
  std::string attrs = VobAttributes(vob);
  ctx.Print("  Vob registry attributes: " +
            (attrs.empty() ? std::string() : attrs.substr(2, attrs.size() - 3)));
}

}  // namespace

void Lsvob(Context& ctx, const Args& args) {
  std::vector<pugi::xml_node> vobs;
  for (pugi::xml_node vob : ctx.world.Root().children("Vob")) vobs.push_back(vob);
  std::sort(vobs.begin(), vobs.end(), [](pugi::xml_node a, pugi::xml_node b) {
    return std::strcmp(a.attribute("tag").as_string(), b.attribute("tag").as_string()) < 0;
  });
  if (!args.operands.empty()) {
    std::vector<pugi::xml_node> chosen;
    ctx.ForEach(args.operands, 0, [&](const std::string& tag) {
      pugi::xml_node vob = ctx.world.FindVob(tag);
      if (!vob) throw CtError("Tag not found: " + Quoted(tag) + ".");
      chosen.push_back(vob);
    });
    vobs = chosen;
  }
  for (pugi::xml_node vob : vobs) {
    std::string tag = vob.attribute("tag").as_string();
    if (args.Has("-short")) {
      ctx.Print(tag);
    } else if (args.Has("-long")) {
      PrintVobLong(ctx, vob);
    } else {
      char line[64];
      std::snprintf(line, sizeof line, "%c %-24s ",
                    vob.attribute("mounted").as_bool(true) ? '*' : ' ', tag.c_str());
      ctx.Print(line + std::string(vob.attribute("storage").as_string()) + " " + Access(vob) +
                VobAttributes(vob));
    }
  }
}

namespace {

void DescribeType(Context& ctx, pugi::xml_node type);

void PrintType(Context& ctx, const Args& args, pugi::xml_node type) {
  std::string name = type.attribute("name").as_string();
  std::string locked = IsLocked(type) ? " (locked)" : "";
  if (args.Has("-short")) return ctx.Print(name + locked);
  if (args.Has("-long")) return DescribeType(ctx, type);
  ctx.Print(CreatedOf(type) + "  " + OwnerOf(type) + "  " + KindWords(TypeKindOf(type)) + " " +
            Quoted(name) + locked);
}

}  // namespace

void Lstype(Context& ctx, const Args& args) {
  const std::string* kind = args.Value("-kind");
  if (!kind && args.operands.empty()) throw CtError("Option \"-kind\" is required.");
  if (kind && !IsTypeKind(*kind)) throw CtError("Invalid object kind: " + Quoted(*kind) + ".");
  if (!args.operands.empty()) {
    ctx.ForEach(args.operands, 0, [&](const std::string& text) {
      Selector sel = ParseSelector(text);
      std::string k = sel.kind.empty() && kind ? *kind : sel.kind;
      if (const std::string* in = args.Value("-invob"); in && !sel.hasVob)
        sel.vob = *in, sel.hasVob = true;
      pugi::xml_node type = FindType(VobOf(ctx, sel), k, sel.name);
      if (!type) throw CtError("Type not found: " + Quoted(text) + ".");
      PrintType(ctx, args, type);
    });
    return;
  }
  Selector where;
  if (const std::string* in = args.Value("-invob")) where.vob = *in, where.hasVob = true;
  pugi::xml_node vob = VobOf(ctx, where);
  // Large VOBs hold thousands of types: keep this loop free of per-type allocations.
  bool local = args.Has("-local"), obsolete = args.Has("-obsolete"), brief = args.Has("-short");
  // Each name is looked up once: a sort that asked the node for it per comparison
  // would walk the attributes over a hundred thousand times in a large VOB.
  std::vector<std::pair<const char*, pugi::xml_node>> types;
  for (pugi::xml_node type : vob.children(TypeNodeName(*kind))) {
    if ((local && type.attribute("from")) || (!obsolete && type.attribute("obsolete").as_bool())) {
      continue;
    }
    types.emplace_back(type.attribute("name").as_string(), type);
  }
  auto byName = [](const auto& a, const auto& b) { return std::strcmp(a.first, b.first) < 0; };
  if (!std::is_sorted(types.begin(), types.end(), byName)) {
    std::sort(types.begin(), types.end(), byName);
  }
  const char* eol = ctx.world.Eol();
  for (const auto& [name, type] : types) {
    if (!brief) {
      PrintType(ctx, args, type);
      continue;
    }
    ctx.out.append(name);
    if (IsLocked(type)) ctx.out.append(" (locked)");
    ctx.out.append(eol);
    if (ctx.out.size() >= 32768) ctx.Flush();
  }
}

void Lspool(Context& ctx, const Args& args) {
  Selector where;
  if (const std::string* in = args.Value("-invob")) where.vob = *in, where.hasVob = true;
  pugi::xml_node vob = VobOf(ctx, where);
  std::vector<pugi::xml_node> pools;
  if (args.operands.empty()) {
    for (pugi::xml_node pool : vob.children("Pool")) pools.push_back(pool);
  }
  ctx.ForEach(args.operands, 0, [&](const std::string& name) {
    pugi::xml_node pool = FindNamed(vob, "Pool", ParseSelector(name).name);
    if (!pool) throw CtError("Pool not found: " + Quoted(name) + ".");
    pools.push_back(pool);
  });
  for (pugi::xml_node pool : pools) {
    std::string name = pool.attribute("name").as_string();
    if (args.Has("-short")) {
      ctx.Print(name);
    } else {
      ctx.Print(CreatedOf(pool) + "  " + OwnerOf(pool) + "  pool " + Quoted(name));
      if (args.Has("-long"))
        ctx.Print(std::string("  kind: ") + pool.attribute("kind").as_string("source"));
    }
  }
}

namespace {

std::string EventName(const Context& ctx, const std::string& shown, pugi::xml_node event) {
  bool version = std::strcmp(event.name(), "Version") == 0;
  return shown + "@@" + ctx.Show(version ? VersionPath(event) : BranchPath(event));
}

void HistoryOf(Context& ctx, const Args& args, pugi::xml_node element, const std::string& shown) {
  bool brief = args.Has("-short");
  auto line = [&](pugi::xml_node node, const std::string& what, const std::string& name) {
    if (brief) return ctx.Print(name);
    ctx.Print(CreatedOf(node) + "  " + OwnerOf(node) + "  create " + what + " " + Quoted(name));
    std::string comment = node.attribute("comment").as_string();
    if (!comment.empty()) ctx.Print("  " + Quoted(comment));
  };
  for (pugi::xml_node event : HistoryNewestFirst(element)) {
    bool version = std::strcmp(event.name(), "Version") == 0;
    line(event, version ? "version" : "branch", EventName(ctx, shown, event));
  }
  line(element, IsDirectoryElement(element) ? "directory element" : "file element", shown + "@@");
}

}  // namespace

void Lshistory(Context& ctx, const Args& args) {
  std::vector<std::string> pnames = args.operands;
  if (pnames.empty()) pnames.push_back(".");
  ctx.ForEach(pnames, 0, [&](const std::string& pname) {
    ElementRef ref = ResolveElement(ctx, pname);
    HistoryOf(ctx, args, ref.element, ref.shown);
    if (!args.Has("-recurse") || !IsDirectoryElement(ref.element)) return;
    for (pugi::xml_node e : ref.loc.vob.children("Element")) {
      std::string rel = e.attribute("path").as_string();
      if (e != ref.element && IsUnder(rel, ref.loc.rel)) {
        HistoryOf(ctx, args, e, ctx.Show(ref.shown + "/" + RelativeTo(rel, ref.loc.rel)));
      }
    }
  });
}

namespace {

struct LsEntry {
  pugi::xml_node element;  // null for a view-private file
  std::string shown;
};

// Names below a listed directory are shown as the operand followed by their path below it.
std::string ShowBelow(const Context& ctx, const std::string& prefix, const std::string& dir,
                      const std::string& abs) {
  std::string rel = RelativeTo(abs, dir);
  return ctx.Show(prefix.empty() || prefix == "." ? rel : prefix + "/" + rel);
}

// Files on disk below dir that are inside a VOB and are not elements.
void AddViewPrivate(const Context& ctx, const std::string& prefix, const std::string& dir,
                    bool recurse, std::map<std::string, LsEntry>& entries) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto add = [&](const fs::path& p) {
    std::string abs = p.string();
    if (entries.count(abs)) return;
    Location loc = Locate(ctx.world, abs);
    if (loc.vob && !loc.rel.empty() && !FindElement(loc.vob, loc.rel)) {
      entries[abs] = {pugi::xml_node(), ShowBelow(ctx, prefix, dir, abs)};
    }
  };
  if (recurse) {
    for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      add(it->path());
    }
  } else {
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      add(it->path());
    }
  }
}

void ListDirectory(Context& ctx, const std::string& prefix, const std::string& dir, bool recurse,
                   std::map<std::string, LsEntry>& entries) {
  Location loc = Locate(ctx.world, dir);
  if (!loc.view) throw CtError("Pathname is not within a VOB: " + Quoted(ctx.Show(dir)));
  for (pugi::xml_node vob : ctx.world.Root().children("Vob")) {
    std::string root = ctx.world.VobRoot(loc.viewDir, vob);
    for (pugi::xml_node e : vob.children("Element")) {
      std::string abs = JoinPath(root, e.attribute("path").as_string());
      bool in = recurse ? IsUnder(abs, dir) && abs != dir : ParentPath(abs) == dir;
      if (in) entries[abs] = {e, ShowBelow(ctx, prefix, dir, abs)};
    }
  }
  AddViewPrivate(ctx, prefix, dir, recurse, entries);
}

void PrintLsEntry(Context& ctx, const Args& args, pugi::xml_node view, const LsEntry& entry) {
  if (!entry.element) return ctx.Print(entry.shown);
  pugi::xml_node co = FindCheckout(entry.element, view.attribute("tag").as_string());
  pugi::xml_node selected = SelectedVersion(entry.element);
  if (co) {
    std::string branch = co.attribute("branch").as_string();
    std::string name = entry.shown + "@@" + ctx.Show(branch + "/CHECKEDOUT");
    if (args.Has("-short")) return ctx.Print(name);
    return ctx.Print(name + " from " +
                     ctx.Show(branch + "/" + co.attribute("version").as_string()) +
                     "             Rule: CHECKEDOUT");
  }
  std::string name = entry.shown + "@@" + ctx.Show(selected ? VersionPath(selected) : "/main");
  if (args.Has("-short")) return ctx.Print(name);
  ctx.Print(name + "                     Rule: " + ctx.Show("/main/LATEST"));
}

}  // namespace

void Ls(Context& ctx, const Args& args) {
  pugi::xml_node view = ctx.CurrentView();
  std::vector<std::string> targets = args.operands;
  if (targets.empty()) targets.push_back(".");
  ctx.ForEach(targets, 0, [&](const std::string& pname) {
    std::map<std::string, LsEntry> entries;
    Location loc = ctx.Resolve(pname);
    pugi::xml_node element = loc.vob ? FindElement(loc.vob, loc.rel) : pugi::xml_node();
    bool dir =
        (element ? IsDirectoryElement(element) : IsDirectory(loc.abs)) && !args.Has("-directory");
    if (dir) {
      ListDirectory(ctx, pname, loc.abs, args.Has("-recurse"), entries);
    } else if (element) {
      entries[loc.abs] = {element, pname};
    } else {
      ResolveElement(ctx, pname);  // throws the right refusal
    }
    for (const auto& [abs, entry] : entries) {
      bool isPrivate = !entry.element;
      if ((isPrivate && args.Has("-vob_only")) || (!isPrivate && args.Has("-view_only"))) {
        continue;
      }
      PrintLsEntry(ctx, args, view, entry);
    }
  });
}

namespace {

void PrintLock(Context& ctx, pugi::xml_node node) {
  if (!IsLocked(node)) return;
  std::string nusers = node.attribute("nusers").as_string();
  ctx.Print(std::string("  Locked ") +
            (nusers.empty() ? "for all users" : "except for users: " + nusers) +
            (node.attribute("obsolete").as_bool() ? " (obsolete)." : "."));
}

void PrintAttributes(Context& ctx, pugi::xml_node node) {
  if (!node.child("Attr")) return;
  ctx.Print("  Attributes:");
  for (pugi::xml_node attr : node.children("Attr")) {
    ctx.Print(std::string("    ") + attr.attribute("name").as_string() + " = " +
              attr.attribute("value").as_string());
  }
}

void PrintHeader(Context& ctx, pugi::xml_node node, const std::string& title) {
  ctx.Print(title + (IsLocked(node) ? " (locked)" : ""));
  ctx.Print("  created " + CreatedOf(node) + " by " + OwnerOf(node));
  std::string comment = node.attribute("comment").as_string();
  if (!comment.empty()) ctx.Print("  " + Quoted(comment));
}

void DescribeType(Context& ctx, pugi::xml_node type) {
  std::string kind = TypeKindOf(type);
  PrintHeader(ctx, type, KindWords(kind) + " " + Quoted(type.attribute("name").as_string()));
  PrintLock(ctx, type);
  ctx.Print("  owner: " + OwnerOf(type));
  ctx.Print(std::string("  group: ") + type.attribute("group").as_string("ccusers"));
  bool global = std::strcmp(type.attribute("scope").as_string(), "global") == 0;
  ctx.Print(std::string("  scope: this VOB (") + (global ? "global" : "ordinary") + " type)");
  if (kind == "lbtype") {
    ctx.Print(std::string("  constraint: one version per ") +
              (type.attribute("pbranch").as_bool() ? "branch" : "element"));
  }
  if (kind == "attype") {
    std::string vtype = type.attribute("vtype").as_string("string");
    ctx.Print("  value type: " + vtype);
    if (pugi::xml_attribute def = type.attribute("default")) {
      ctx.Print("  default value: " +
                (vtype == "string" ? Quoted(def.as_string()) : std::string(def.as_string())));
    }
    ctx.Print(std::string("  constraint: one per ") +
              type.attribute("constraint").as_string("element"));
  }
  PrintAttributes(ctx, type);
}

void DescribeVob(Context& ctx, pugi::xml_node vob) {
  std::string storage = vob.attribute("storage").as_string();
  std::string host = ctx.world.Root().attribute("host").as_string("buildhost");
  PrintHeader(ctx, vob, "versioned object base " + Quoted(vob.attribute("tag").as_string()));
  PrintLock(ctx, vob);
  ctx.Print(std::string("  master replica: original@") + vob.attribute("tag").as_string());
  ctx.Print("  replica name: original");
  ctx.Print("  VOB family feature level: 5");
  ctx.Print("  VOB storage host:pathname " + Quoted(host + ":" + storage));
  ctx.Print("  VOB storage global pathname " + Quoted(storage));
  ctx.Print("  VOB ownership:");
  ctx.Print("    owner " + OwnerOf(vob));
  ctx.Print(std::string("    group ") + vob.attribute("group").as_string("ccusers"));
  if (vob.attribute("ucm").as_bool()) {
    ctx.Print("  promotion levels:");
    for (const std::string& level : ListAttr(vob, "promotion-levels")) ctx.Print("    " + level);
    ctx.Print(std::string("  default promotion level: ") +
              vob.attribute("default-level").as_string("INITIAL"));
  }
  PrintAttributes(ctx, vob);
}

void DescribePool(Context& ctx, pugi::xml_node pool) {
  PrintHeader(ctx, pool, "pool " + Quoted(pool.attribute("name").as_string()));
  ctx.Print(std::string("  kind: ") + pool.attribute("kind").as_string("source"));
  PrintAttributes(ctx, pool);
}

void DescribeVersion(Context& ctx, const ElementRef& ref) {
  pugi::xml_node view = ref.loc.view;
  pugi::xml_node co = FindCheckout(ref.element, view.attribute("tag").as_string());
  pugi::xml_node version = SelectedVersion(ref.element);
  if (!ref.versionExt.empty()) {
    version = ResolveVersion(ref.element, ref.versionExt);
    if (!version) {
      throw CtError("Version not found: " + Quoted(ref.shown + "@@" + ref.versionExt) + ".");
    }
    co = pugi::xml_node();
  }
  std::string kind = IsDirectoryElement(ref.element) ? "directory version " : "version ";
  if (co) {
    std::string branch = co.attribute("branch").as_string();
    PrintHeader(ctx, co,
                kind + Quoted(ref.shown + "@@" + ctx.Show(branch + "/CHECKEDOUT")) + " from " +
                    ctx.Show(branch + "/" + co.attribute("version").as_string()) +
                    (co.attribute("reserved").as_bool() ? " (reserved)" : " (unreserved)"));
  } else {
    PrintHeader(ctx, version, kind + Quoted(ref.shown + "@@" + ctx.Show(VersionPath(version))));
  }
  ctx.Print(std::string("  element type: ") +
            ref.element.attribute("eltype").as_string("text_file"));
  PrintLock(ctx, ref.element);
  if (!co && version.child("Label")) {
    ctx.Print("  Labels:");
    for (pugi::xml_node label : version.children("Label")) {
      ctx.Print(std::string("    ") + label.attribute("name").as_string());
    }
  }
  if (!co) PrintAttributes(ctx, version);
}

void DescribeOne(Context& ctx, const Args& args, const std::string& text) {
  Selector sel = ParseSelector(text);
  if (sel.kind.empty()) {
    ElementRef ref = ResolveElement(ctx, text);
    if (args.Has("-short")) {
      pugi::xml_node v = ref.versionExt.empty() ? SelectedVersion(ref.element)
                                                 : ResolveVersion(ref.element, ref.versionExt);
      if (!v) throw CtError("Version not found: " + Quoted(text) + ".");
      return ctx.Print(ref.shown + "@@" + ctx.Show(VersionPath(v)));
    }
    return DescribeVersion(ctx, ref);
  }
  ObjectRef ref = ResolveObject(ctx, text);
  if (args.Has("-short")) {
    return ctx.Print(sel.kind == "vob" ? sel.name
                                       : std::string(ref.node.attribute("name").as_string()));
  }
  if (sel.kind == "vob") return DescribeVob(ctx, ref.node);
  if (IsTypeKind(sel.kind)) return DescribeType(ctx, ref.node);
  if (sel.kind == "pool") return DescribePool(ctx, ref.node);
  DescribeUcm(ctx, ref.node, sel.kind);
}

}  // namespace

void Describe(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  ctx.ForEach(args.operands, 0, [&](const std::string& text) { DescribeOne(ctx, args, text); });
}

void Version(Context& ctx, const Args& args) {
  LimitOperands(args.operands, 0);
  std::string banner = ctx.world.Root().child("Banner").text().as_string();
  if (banner.empty()) {
    const char* date = "2002.05.00 (Mon Oct 29 13:49:09 2001)";
    banner = std::string(ctx.world.Lt() ? "Rational ClearCase LT Client " : "Rational ClearCase ") +
             date + "\ncleartool                         " + date +
             "\ndb_server                         " + date + "\n";
  }
  for (const std::string& line : Lines(Trim(banner))) ctx.Print(Trim(line));
}

void SimLayout(Context& ctx, const Args& args) {
  LimitOperands(args.operands, 0);
  for (pugi::xml_node view : ctx.world.Root().children("View")) {
    char tag[64];
    std::snprintf(tag, sizeof tag, "%-24s ", view.attribute("tag").as_string());
    ctx.Print(tag + ctx.world.ViewDir(view));
  }
}

}  // namespace ctsim
