// The subcommands of the stand-in, one handler each.
#pragma once

#include <initializer_list>
#include <string>

#include "sim/cleartool/args.h"
#include "sim/cleartool/context.h"

namespace ctsim {

// Element commands.
void Checkout(Context& ctx, const Args& args);
void Checkin(Context& ctx, const Args& args);
void Uncheckout(Context& ctx, const Args& args);
void Update(Context& ctx, const Args& args);
void Mkelem(Context& ctx, const Args& args);
void Lscheckout(Context& ctx, const Args& args);
void Catcs(Context& ctx, const Args& args);
void Setcs(Context& ctx, const Args& args);

// Metadata commands.
void Mklbtype(Context& ctx, const Args& args);
void Mklabel(Context& ctx, const Args& args);
void Lock(Context& ctx, const Args& args);
void Unlock(Context& ctx, const Args& args);
void Mkattype(Context& ctx, const Args& args);
void Mkattr(Context& ctx, const Args& args);

// Repository listings.
void Lsvob(Context& ctx, const Args& args);
void Lstype(Context& ctx, const Args& args);
void Lspool(Context& ctx, const Args& args);
void Lshistory(Context& ctx, const Args& args);
void Ls(Context& ctx, const Args& args);
void Describe(Context& ctx, const Args& args);
void Version(Context& ctx, const Args& args);
// Not a cleartool command: lays out the world's view folders (loading the
// world does) and names them, so that a walkthrough can point the options at
// a view before the first real command.
void SimLayout(Context& ctx, const Args& args);

// UCM listings.
void Lsactivity(Context& ctx, const Args& args);
void Lscomp(Context& ctx, const Args& args);
void Lsfolder(Context& ctx, const Args& args);
void Lsstream(Context& ctx, const Args& args);
void Lsproject(Context& ctx, const Args& args);
void Lsbl(Context& ctx, const Args& args);

// UCM changes.
void Mkactivity(Context& ctx, const Args& args);
void Setactivity(Context& ctx, const Args& args);
void Mkbl(Context& ctx, const Args& args);
void Chbl(Context& ctx, const Args& args);
void Chstream(Context& ctx, const Args& args);

// Throws when more than one of the options is given.
void Exclusive(const Args& args, std::initializer_list<const char*> options);

// A path of the view as the user sees it from the working directory: relative
// when below it, absolute otherwise, with the world's separators.
std::string ShowFromCwd(const Context& ctx, const std::string& abs);
// Every checkout node made in the view, with the absolute path of its element.
struct CheckoutRef {
  std::string abs;
  pugi::xml_node element;
  pugi::xml_node checkout;
};
std::vector<CheckoutRef> CheckoutsOfView(const Context& ctx, pugi::xml_node view);
// The config spec that UCM generates for the views of a stream.
std::string StreamConfigSpec(const Context& ctx, pugi::xml_node stream);

// An object named by a selector such as "lbtype:REL_1@/vobs/src" or "stream:dev@/vobs/pvob".
struct ObjectRef {
  pugi::xml_node node;
  std::string kind;
  std::string what;  // as messages name it: label type "REL_1"
  pugi::xml_node vob;
};
ObjectRef ResolveObject(const Context& ctx, const std::string& text);
// The operand as an object, or as an element when it has no kind prefix or pname is set.
ObjectRef ResolveTarget(const Context& ctx, const std::string& text, bool pname);

// The long description of a UCM object (stream, project, activity, baseline,
// component, folder), shared by the long listings and describe.
void DescribeUcm(Context& ctx, pugi::xml_node object, std::string_view kind);
// created/owner of an object, with a fixed date for objects the world gives none.
std::string CreatedOf(pugi::xml_node node);
std::string OwnerOf(pugi::xml_node node);

// The text of a child element such as <ConfigSpec>.
void SetText(pugi::xml_node node, const char* child, const std::string& text);

}  // namespace ctsim
