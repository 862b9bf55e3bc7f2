#pragma once
// Publishes the listing queries to host tools (such as "vantry query") as
// text functions: arguments in, the listing's CR LF text out.

namespace clearcase {

void RegisterQueryFunctions();

}  // namespace clearcase
