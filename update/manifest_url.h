// ManifestUrl: where the update check finds the manifest. The build sets it
// (CMake's MANIFEST_URL); a release build names the maker's server there.
#pragma once

namespace update {

const char* ManifestUrl();

}  // namespace update
