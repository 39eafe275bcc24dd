#include "update/manifest_url.h"

namespace update {

const char* ManifestUrl() { return MANIFEST_URL; }

}  // namespace update
