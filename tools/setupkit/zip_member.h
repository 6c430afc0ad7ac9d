// Compressed package entries: a zip archive whose first member is the file.
#pragma once

#include <string>

#include "manifest.h"

namespace sk::tool {

// Writes a one-member archive (deflate at level) of source to archive; the member is called
// memberName and dated time, so the same input always gives the same bytes. False when
// either file cannot be opened or written.
bool WriteZipMember(const std::string& source, const std::string& archive,
                    const std::string& memberName, int level, const FileTime& time);

// Writes the first member of archive to destination. False with a reason in error.
bool ExtractFirstMember(const std::string& archive, const std::string& destination,
                        std::string& error);

}  // namespace sk::tool
