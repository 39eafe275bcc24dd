// UpdatePayload: the updater's executable, carried in the program as the
// RCDATA resource "UPDATE_PAYLOAD".
#pragma once
#include <string>
#include <string_view>

namespace update {

// The resource's bytes; empty when the module carries none.
std::string_view UpdatePayload();

// Creates or truncates path, without sharing, and writes the payload to it
// byte for byte. Nothing is reported.
void WriteUpdatePayload(const std::string& path);

}  // namespace update
