// checkout, checkin, uncheckout, update, mkelem, lscheckout, catcs, setcs.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "sim/cleartool/commands.h"
#include "sim/cleartool/paths.h"
#include "sim/cleartool/text.h"

namespace ctsim {

std::string ShowFromCwd(const Context& ctx, const std::string& abs) {
  return ctx.Show(IsUnder(abs, ctx.cwd) && abs != ctx.cwd ? RelativeTo(abs, ctx.cwd) : abs);
}

std::vector<CheckoutRef> CheckoutsOfView(const Context& ctx, pugi::xml_node view) {
  std::vector<CheckoutRef> refs;
  std::string tag = view.attribute("tag").as_string();
  std::string viewDir = ctx.world.ViewDir(view);
  for (pugi::xml_node vob : ctx.world.Root().children("Vob")) {
    std::string root = ctx.world.VobRoot(viewDir, vob);
    for (pugi::xml_node element : vob.children("Element")) {
      pugi::xml_node co = FindCheckout(element, tag);
      if (co) refs.push_back({JoinPath(root, element.attribute("path").as_string()), element, co});
    }
  }
  std::sort(refs.begin(), refs.end(), [](const auto& a, const auto& b) { return a.abs < b.abs; });
  return refs;
}

void SetText(pugi::xml_node node, const char* child, const std::string& text) {
  pugi::xml_node c = node.child(child);
  if (!c) c = node.append_child(child);
  c.text().set(text.c_str());
}

namespace {

std::string ViewTag(pugi::xml_node view) {
  return view.attribute("tag").as_string();
}

// In a view attached to a stream, changes need a current activity.
pugi::xml_node RequireActivityIfUcm(const Context& ctx, pugi::xml_node view) {
  if (!StreamOfView(ctx, view)) return {};
  pugi::xml_node activity = ActivityOfView(ctx, view);
  if (!activity) throw CtError("No current activity set for view " + Quoted(ViewTag(view)) + ".");
  return activity;
}

void CheckVob(const Context& ctx, pugi::xml_node vob, std::string_view operation) {
  CheckUnlocked(ctx, vob, "VOB", operation);
}

std::string Comment(const Args& args) {
  const std::string* c = args.Value("-c");
  return c ? *c : "";
}

pugi::xml_node AddVersion(Context& ctx, pugi::xml_node element, pugi::xml_node branch,
                          const std::string& comment) {
  pugi::xml_node latest = LatestVersion(branch);
  int id = latest ? latest.attribute("id").as_int() + 1 : 0;
  long seq = NextSeq(element);
  pugi::xml_node v = branch.append_child("Version");
  v.append_attribute("id") = id;
  v.append_attribute("seq") = seq;
  v.append_attribute("created") = ctx.Now().c_str();
  v.append_attribute("owner") = ctx.user.c_str();
  if (!comment.empty()) v.append_attribute("comment") = comment.c_str();
  return v;
}

pugi::xml_node AddCheckout(Context& ctx, pugi::xml_node element, pugi::xml_node view,
                           pugi::xml_node from, bool reserved) {
  pugi::xml_node co = element.append_child("Checkout");
  co.append_attribute("view") = ViewTag(view).c_str();
  co.append_attribute("branch") = BranchPath(from.parent()).c_str();
  co.append_attribute("version") = from.attribute("id").as_string();
  co.append_attribute("reserved") = reserved;
  co.append_attribute("created") = ctx.Now().c_str();
  co.append_attribute("owner") = ctx.user.c_str();
  std::string activity = view.attribute("activity").as_string();
  if (StreamOfView(ctx, view) && !activity.empty()) {
    co.append_attribute("activity") = activity.c_str();
  }
  return co;
}

pugi::xml_node ReservedElsewhere(pugi::xml_node element, const std::string& branch,
                                 const std::string& tag) {
  for (pugi::xml_node co : element.children("Checkout")) {
    if (branch == co.attribute("branch").as_string() && co.attribute("reserved").as_bool() &&
        tag != co.attribute("view").as_string())
      return co;
  }
  return {};
}

void CheckoutOne(Context& ctx, const Args& args, pugi::xml_node view, const std::string& pname) {
  ElementRef ref = ResolveElement(ctx, pname);
  CheckVob(ctx, ref.loc.vob, "checkout");
  CheckUnlocked(ctx, ref.element, "element", "checkout");
  std::string tag = ViewTag(view);
  if (FindCheckout(ref.element, tag)) {
    throw CtError("Element " + Quoted(ref.shown) + " is already checked out to view " +
                  Quoted(tag) + ".");
  }
  const std::string* branchOpt = args.Value("-branch");
  std::string branchPath = branchOpt ? *branchOpt : "/main";
  pugi::xml_node branch = FindBranch(ref.element, branchPath);
  if (!branch) {
    throw CtError("Branch " + Quoted(branchPath) + " not found for element " + Quoted(ref.shown) +
                  ".");
  }
  pugi::xml_node brtype = FindType(ref.loc.vob, "brtype", branch.attribute("name").as_string());
  if (brtype) CheckUnlocked(ctx, brtype, "branch type", "checkout");
  pugi::xml_node from = LatestVersion(branch);
  if (const std::string* sel = args.Value("-version")) {
    from = ResolveVersion(ref.element, *sel);
    if (!from) throw CtError("Version not found: " + Quoted(ref.shown + "@@" + *sel) + ".");
  }
  bool reserved = !args.Has("-unreserved") || args.Has("-reserved");
  if (reserved) {
    pugi::xml_node other = ReservedElsewhere(ref.element, BranchPath(from.parent()), tag);
    if (other && !args.Has("-unreserved")) {
      throw CtError("Element " + Quoted(ref.shown) + " is checked out reserved to view " +
                    Quoted(other.attribute("view").as_string()) + ".");
    }
    reserved = !other;
  }
  pugi::xml_node co = AddCheckout(ctx, ref.element, view, from, reserved);
  if (const std::string* out = args.Value("-out")) co.append_attribute("out") = out->c_str();
  if (args.Has("-ndata")) co.append_attribute("ndata") = true;
  ctx.changed = true;
  ctx.Print("Checked out " + Quoted(ref.shown) + " from version " +
            Quoted(ctx.Show(VersionPath(from))) + ".");
}

void CheckinOne(Context& ctx, const Args& args, pugi::xml_node element, pugi::xml_node co,
                const std::string& shown) {
  CheckVob(ctx, element.parent(), "checkin");
  pugi::xml_node branch = FindBranch(element, co.attribute("branch").as_string());
  pugi::xml_node v = AddVersion(ctx, element, branch, Comment(args));
  element.remove_child(co);
  ctx.changed = true;
  ctx.Print("Checked in " + Quoted(shown) + " version " + Quoted(ctx.Show(VersionPath(v))) + ".");
}

void UncheckoutOne(Context& ctx, const Args& args, pugi::xml_node element, pugi::xml_node co,
                   const std::string& shown) {
  if (args.Has("-keep")) {
    ctx.Print("Private version of " + Quoted(shown) + " saved in " + Quoted(shown + ".keep") + ".");
  }
  element.remove_child(co);
  ctx.changed = true;
  ctx.Print("Checkout cancelled for " + Quoted(shown) + ".");
}

// The checkouts of one activity in a view, for "-cact" and activity selectors.
template <class Fn>
void ForActivityCheckouts(Context& ctx, pugi::xml_node view, pugi::xml_node activity, Fn fn) {
  std::string name = activity.attribute("name").as_string();
  for (const CheckoutRef& ref : CheckoutsOfView(ctx, view)) {
    if (name == ref.checkout.attribute("activity").as_string()) {
      fn(ref.element, ref.checkout, ShowFromCwd(ctx, ref.abs));
    }
  }
}

pugi::xml_node CheckedOutHere(const ElementRef& ref, pugi::xml_node view) {
  pugi::xml_node co = FindCheckout(ref.element, ViewTag(view));
  if (!co) throw CtError("Element " + Quoted(ref.shown) + " is not checked out.");
  return co;
}

}  // namespace

void Checkout(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  Exclusive(args, {"-out", "-ndata"});
  Exclusive(args, {"-version", "-branch"});
  pugi::xml_node view = ctx.CurrentView();
  RequireActivityIfUcm(ctx, view);
  ctx.ForEach(args.operands, 0,
              [&](const std::string& pname) { CheckoutOne(ctx, args, view, pname); });
}

void Checkin(Context& ctx, const Args& args) {
  Exclusive(args, {"-keep", "-rm"});
  pugi::xml_node view = ctx.CurrentView();
  auto checkin = [&](pugi::xml_node e, pugi::xml_node co, const std::string& shown) {
    CheckinOne(ctx, args, e, co, shown);
  };
  if (args.Has("-cact")) {
    LimitOperands(args.operands, 0);
    pugi::xml_node activity = RequireActivityIfUcm(ctx, view);
    if (!activity) throw CtError("View " + Quoted(ViewTag(view)) + " is not a UCM view.");
    return ForActivityCheckouts(ctx, view, activity, checkin);
  }
  RequireOperands(args.operands, 1);
  if (ParseSelector(args.operands[0]).kind == "activity") {
    LimitOperands(args.operands, 1);
    pugi::xml_node activity = FindUcm(ctx, "activity", args.operands[0]);
    return ForActivityCheckouts(ctx, view, activity, checkin);
  }
  ctx.ForEach(args.operands, 0, [&](const std::string& pname) {
    ElementRef ref = ResolveElement(ctx, pname);
    checkin(ref.element, CheckedOutHere(ref, view), ref.shown);
  });
}

void Uncheckout(Context& ctx, const Args& args) {
  Exclusive(args, {"-keep", "-rm"});
  pugi::xml_node view = ctx.CurrentView();
  auto cancel = [&](pugi::xml_node e, pugi::xml_node co, const std::string& shown) {
    UncheckoutOne(ctx, args, e, co, shown);
  };
  if (args.Has("-cact")) {
    LimitOperands(args.operands, 0);
    pugi::xml_node activity = RequireActivityIfUcm(ctx, view);
    if (!activity) throw CtError("View " + Quoted(ViewTag(view)) + " is not a UCM view.");
    return ForActivityCheckouts(ctx, view, activity, cancel);
  }
  RequireOperands(args.operands, 1);
  ctx.ForEach(args.operands, 0, [&](const std::string& pname) {
    ElementRef ref = ResolveElement(ctx, pname);
    cancel(ref.element, CheckedOutHere(ref, view), ref.shown);
  });
}

void Update(Context& ctx, const Args& args) {
  Exclusive(args, {"-overwrite", "-noverwrite", "-rename"});
  Exclusive(args, {"-ctime", "-ptime"});
  pugi::xml_node view = ctx.CurrentView();
  if (std::strcmp(view.attribute("kind").as_string(), "snapshot") != 0) {
    throw CtError("Not a snapshot view: " + Quoted(ctx.Show(ctx.world.ViewDir(view))) + ".");
  }
  ctx.ForEach(args.operands, 0, [&](const std::string& pname) {
    if (!ctx.Resolve(pname).view) throw CtError("Pathname is not within a VOB: " + Quoted(pname));
  });
  if (ctx.status) return;
  std::string dir = ctx.Show(ctx.world.ViewDir(view));
  ctx.Print("Processing dir " + Quoted(dir) + ".");
  ctx.Print("End dir " + Quoted(dir) + ".");
  if (args.Has("-print")) return;
  SetAttr(view, "updated", ctx.Now());
  ctx.changed = true;
  ctx.Print("Done loading " + Quoted(dir) + ".");
}

namespace {

pugi::xml_node NewElement(Context& ctx, pugi::xml_node vob, const std::string& rel,
                          const std::string& eltype, const std::string& comment) {
  pugi::xml_node e = vob.append_child("Element");
  e.append_attribute("path") = rel.c_str();
  e.append_attribute("type") = eltype == "directory" ? "directory" : "file";
  e.append_attribute("eltype") = eltype.c_str();
  e.append_attribute("created") = ctx.Now().c_str();
  e.append_attribute("owner") = ctx.user.c_str();
  pugi::xml_node main = e.append_child("Branch");
  main.append_attribute("name") = "main";
  AddVersion(ctx, e, main, comment);
  return e;
}

void MakeParents(Context& ctx, pugi::xml_node vob, const std::string& rel, bool mkpath) {
  std::string parent = ParentPath(rel);
  if (parent.empty()) return;
  pugi::xml_node dir = FindElement(vob, parent);
  if (dir && IsDirectoryElement(dir)) return;
  if (dir || !mkpath) {
    throw CtError("Parent directory " + Quoted(ctx.Show(parent)) + " is not a directory element.");
  }
  MakeParents(ctx, vob, parent, mkpath);
  NewElement(ctx, vob, parent, "directory", "");
}

void MkelemOne(Context& ctx, const Args& args, pugi::xml_node view, const std::string& pname) {
  Location loc = ctx.Resolve(pname);
  if (!loc.vob || pname.find("@@") != std::string::npos) {
    throw CtError("Pathname is not within a VOB: " + Quoted(pname));
  }
  CheckVob(ctx, loc.vob, "mkelem");
  if (loc.rel.empty() || FindElement(loc.vob, loc.rel)) {
    throw CtError("Entry named " + Quoted(pname) + " already exists.");
  }
  std::string eltype = IsDirectory(loc.abs) ? "directory" : "text_file";
  if (const std::string* given = args.Value("-eltype")) {
    if (!FindType(loc.vob, "eltype", *given)) {
      throw CtError("Element type not found: " + Quoted(*given) + ".");
    }
    eltype = *given;
  }
  MakeParents(ctx, loc.vob, loc.rel, args.Has("-mkpath"));
  pugi::xml_node e = NewElement(ctx, loc.vob, loc.rel, eltype, Comment(args));
  ctx.changed = true;
  ctx.Print("Created element " + Quoted(pname) + " (type " + Quoted(eltype) + ").");
  pugi::xml_node main = FindBranch(e, "/main");
  if (args.Has("-ci")) {
    pugi::xml_node v = AddVersion(ctx, e, main, Comment(args));
    ctx.Print("Checked in " + Quoted(pname) + " version " + Quoted(ctx.Show(VersionPath(v))) + ".");
  } else if (!args.Has("-nco")) {
    AddCheckout(ctx, e, view, LatestVersion(main), true);
    ctx.Print("Checked out " + Quoted(pname) + " from version " + Quoted(ctx.Show("/main/0")) +
              ".");
  }
}

}  // namespace

void Mkelem(Context& ctx, const Args& args) {
  RequireOperands(args.operands, 1);
  Exclusive(args, {"-ci", "-nco"});
  pugi::xml_node view = ctx.CurrentView();
  RequireActivityIfUcm(ctx, view);
  ctx.ForEach(args.operands, 0,
              [&](const std::string& pname) { MkelemOne(ctx, args, view, pname); });
}

namespace {

bool InScope(const std::string& abs, const std::string& dir, bool recurse) {
  return recurse ? IsUnder(abs, dir) : ParentPath(abs) == dir || abs == dir;
}

void PrintCheckout(Context& ctx, const Args& args, const CheckoutRef& ref) {
  std::string shown = ShowFromCwd(ctx, ref.abs);
  if (args.Has("-short")) return ctx.Print(shown);
  pugi::xml_node co = ref.checkout;
  std::string from =
      std::string(co.attribute("branch").as_string()) + "/" + co.attribute("version").as_string();
  ctx.Print(std::string(co.attribute("created").as_string()) + "  " +
            co.attribute("owner").as_string() + "  checkout version " + Quoted(shown) + " from " +
            ctx.Show(from) +
            (co.attribute("reserved").as_bool() ? " (reserved)" : " (unreserved)"));
}

}  // namespace

void Lscheckout(Context& ctx, const Args& args) {
  pugi::xml_node view = ctx.CurrentView();
  std::vector<CheckoutRef> all = CheckoutsOfView(ctx, view);
  bool everywhere = args.Has("-avobs") || args.Has("-all");
  if (args.operands.empty()) {
    for (const CheckoutRef& ref : all) {
      if (everywhere || InScope(ref.abs, ctx.cwd, args.Has("-recurse"))) {
        PrintCheckout(ctx, args, ref);
      }
    }
    return;
  }
  ctx.ForEach(args.operands, 0, [&](const std::string& pname) {
    ElementRef target = ResolveElement(ctx, pname);
    bool dir = IsDirectoryElement(target.element) && !args.Has("-directory");
    for (const CheckoutRef& ref : all) {
      if (dir ? InScope(ref.abs, target.loc.abs, args.Has("-recurse"))
              : ref.element == target.element) {
        PrintCheckout(ctx, args, ref);
      }
    }
  });
}

std::string StreamConfigSpec(const Context& ctx, pugi::xml_node stream) {
  std::string name = stream.attribute("name").as_string();
  std::ostringstream cs;
  cs << "ucm\nidentity UCM.Stream " << UcmSelector(ctx, stream) << " 1\n\n"
     << "element * CHECKEDOUT\n"
     << "element * .../" << name << "/LATEST\n";
  for (const std::string& bl : ListAttr(stream, "foundation")) {
    cs << "element * " << bl << " -mkbranch " << name << "\n";
  }
  cs << "element * /main/0 -ucm -nocheckout\n";
  return cs.str();
}

namespace {

pugi::xml_node ViewForCs(const Context& ctx, const Args& args) {
  const std::string* tag = args.Value("-tag");
  if (!tag) return ctx.CurrentView();
  pugi::xml_node view = ctx.world.FindView(*tag);
  if (!view) throw CtError("View tag not found: " + Quoted(*tag) + ".");
  return view;
}

std::string DefaultConfigSpec() {
  return "element * CHECKEDOUT\nelement * /main/LATEST\n";
}

std::string ReadConfigSpecFile(const Context& ctx, const std::string& operand) {
  std::string path = AbsolutePath(ctx.cwd, operand, ctx.world.Windows());
  std::ifstream in(path, std::ios::binary);
  if (!in || IsDirectory(path)) {
    throw CtError("Unable to access " + Quoted(operand) + ": No such file or directory.");
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

void Catcs(Context& ctx, const Args& args) {
  LimitOperands(args.operands, 0);
  pugi::xml_node view = ViewForCs(ctx, args);
  for (const std::string& line : Lines(view.child("ConfigSpec").text().as_string())) {
    ctx.Print(line);
  }
}

void Setcs(Context& ctx, const Args& args) {
  Exclusive(args, {"-current", "-default", "-stream"});
  pugi::xml_node view = ViewForCs(ctx, args);
  bool fromOption = args.Has("-current") || args.Has("-default") || args.Has("-stream");
  if (fromOption) {
    LimitOperands(args.operands, 0);
  } else {
    RequireOperands(args.operands, 1);
    LimitOperands(args.operands, 1);
  }
  if (args.Has("-current")) return;
  std::string text;
  if (args.Has("-default")) {
    text = DefaultConfigSpec();
  } else if (args.Has("-stream")) {
    pugi::xml_node stream = StreamOfView(ctx, view);
    if (!stream) {
      throw CtError("View " + Quoted(view.attribute("tag").as_string()) +
                    " is not attached to a stream.");
    }
    text = StreamConfigSpec(ctx, stream);
  } else {
    text = ReadConfigSpecFile(ctx, args.operands[0]);
  }
  SetText(view, "ConfigSpec", text);
  ctx.changed = true;
}

}  // namespace ctsim
