#pragma once
// The package's page factories, registered with the host's page registry
// under the class names the package's registration gives each action.

namespace clearcase::editors {

// Every page and the options page.
void RegisterPages();

// One function per folder, each in its folder's "<folder>_pages.cpp".
void RegisterSharedPages();
void RegisterElementPages();
void RegisterMetadataPages();
void RegisterUcmPages();

}  // namespace clearcase::editors
