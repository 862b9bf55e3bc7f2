// The table of subcommands: names, aliases and the options each accepts.
#include <algorithm>

#include "sim/cleartool/commands.h"
#include "sim/cleartool/text.h"

namespace ctsim {

namespace {

using V = std::vector<std::string>;

// Comment options, accepted by every command that records an event.
V WithComment(V flags) {
  flags.insert(flags.end(), {"-nc", "-ncomment"});
  return flags;
}
V WithCommentValue(V valued) {
  valued.insert(valued.end(), {"-c", "-comment"});
  return valued;
}

const std::vector<CommandSpec>& Table() {
  static const std::vector<CommandSpec> table = {
      {"checkout",
       {"co"},
       WithComment({"-reserved", "-unreserved", "-ndata", "-ptime", "-nquery", "-query", "-nwarn"}),
       WithCommentValue({"-out", "-version", "-branch"}),
       true,
       Checkout},
      {"checkin",
       {"ci"},
       WithComment({"-nwarn", "-ptime", "-keep", "-rm", "-identical", "-cact", "-nquery"}),
       WithCommentValue({}),
       true,
       Checkin},
      {"uncheckout", {"unco"}, {"-keep", "-rm", "-cact"}, {}, true, Uncheckout},
      {"update",
       {},
       {"-print", "-force", "-overwrite", "-noverwrite", "-rename", "-ctime", "-ptime"},
       {},
       true,
       Update},
      {"mkelem",
       {},
       WithComment({"-ci", "-nco", "-ptime", "-mkpath", "-master", "-nwarn"}),
       WithCommentValue({"-eltype"}),
       true,
       Mkelem},
      {"lscheckout",
       {"lsco"},
       {"-short", "-long", "-recurse", "-directory", "-cview", "-me", "-all", "-avobs"},
       {},
       false,
       Lscheckout},
      {"catcs", {}, {}, {"-tag"}, false, Catcs},
      {"setcs", {}, {"-current", "-default", "-stream"}, {"-tag"}, true, Setcs},
      {"mklbtype",
       {},
       WithComment({"-replace", "-global", "-ordinary", "-acquire", "-pbranch", "-shared"}),
       WithCommentValue({}),
       true,
       Mklbtype},
      {"mklabel",
       {},
       WithComment({"-replace", "-recurse", "-follow"}),
       WithCommentValue({"-version"}),
       true,
       Mklabel},
      {"lock",
       {},
       WithComment({"-replace", "-obsolete", "-pname"}),
       WithCommentValue({"-nusers"}),
       true,
       Lock},
      {"unlock", {}, WithComment({"-pname"}), WithCommentValue({}), true, Unlock},
      {"mkattype",
       {},
       WithComment({"-replace", "-global", "-ordinary", "-acquire", "-vpelement", "-vpbranch",
                    "-vpversion", "-shared"}),
       WithCommentValue({"-vtype", "-default", "-gt", "-ge", "-lt", "-le"}),
       true,
       Mkattype},
      {"mkattr",
       {},
       WithComment({"-replace", "-recurse", "-pname", "-default"}),
       WithCommentValue({"-version"}),
       true,
       Mkattr},
      {"mkactivity",
       {"mkact"},
       WithComment({"-nset", "-force"}),
       WithCommentValue({"-headline", "-in"}),
       true,
       Mkactivity},
      {"setactivity",
       {"setact"},
       WithComment({"-none", "-cact"}),
       WithCommentValue({"-view"}),
       true,
       Setactivity},
      {"mkbl",
       {},
       WithComment({"-all", "-identical", "-incremental", "-full", "-nlabel", "-import"}),
       WithCommentValue({"-component", "-activities"}),
       true,
       Mkbl},
      {"chbl",
       {},
       WithComment({"-incremental", "-full", "-nrecurse"}),
       WithCommentValue({"-level"}),
       true,
       Chbl},
      {"chstream",
       {},
       WithComment({"-generate", "-ntarget", "-nrecommended"}),
       WithCommentValue({"-target", "-policy", "-npolicy", "-recommended"}),
       true,
       Chstream},
      {"describe", {"desc"}, {"-short", "-long", "-local"}, {}, false, Describe},
      {"lsvob", {}, {"-short", "-long"}, {}, false, Lsvob},
      {"lstype",
       {},
       {"-short", "-long", "-local", "-obsolete"},
       {"-kind", "-invob"},
       false,
       Lstype},
      {"lspool", {}, {"-short", "-long"}, {"-invob"}, false, Lspool},
      {"lshistory",
       {"lshist"},
       {"-short", "-long", "-recurse", "-directory"},
       {},
       false,
       Lshistory},
      {"ls",
       {},
       {"-recurse", "-short", "-long", "-directory", "-vob_only", "-view_only"},
       {},
       false,
       Ls},
      {"lsactivity",
       {"lsact"},
       {"-short", "-long", "-cact", "-cview", "-obsolete"},
       {"-invob", "-in"},
       false,
       Lsactivity},
      {"lscomp", {}, {"-short", "-long", "-obsolete"}, {"-invob"}, false, Lscomp},
      {"lsfolder", {}, {"-short", "-long", "-obsolete"}, {"-invob", "-in"}, false, Lsfolder},
      {"lsstream",
       {},
       {"-short", "-long", "-cview", "-obsolete"},
       {"-invob", "-in"},
       false,
       Lsstream},
      {"lsproject",
       {},
       {"-short", "-long", "-cview", "-obsolete"},
       {"-invob", "-in"},
       false,
       Lsproject},
      {"lsbl",
       {},
       {"-short", "-long", "-obsolete"},
       {"-stream", "-component", "-level", "-invob"},
       false,
       Lsbl},
      {"-version", {"-ver"}, {}, {}, false, Version},
      {"sim-layout", {}, {}, {}, false, SimLayout},
  };
  return table;
}

}  // namespace

void Exclusive(const Args& args, std::initializer_list<const char*> options) {
  std::vector<std::string> given;
  for (const char* o : options) {
    if (args.Has(o)) given.push_back(Quoted(o));
  }
  if (given.size() > 1) {
    throw CtError("Options " + Join(given, " and ") + " are mutually exclusive.");
  }
}

const CommandSpec* FindCommand(std::string_view word) {
  for (const CommandSpec& spec : Table()) {
    if (word == spec.name ||
        std::find(spec.aliases.begin(), spec.aliases.end(), word) != spec.aliases.end()) {
      return &spec;
    }
  }
  return nullptr;
}

}  // namespace ctsim
