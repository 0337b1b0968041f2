// Pure form tests of Windows paths: no Windows calls, so that they can also be compiled
// natively (and fuzzed). Existence on disk is DirUtils' and FileUtils' business.
#pragma once
#include <string>

namespace pathtext {

const size_t kMaxPath = 260;   // MAX_PATH, the terminating zero included

// Form of a directory path. Absolute forms: "C:\" and "C:\a\b" (a trailing backslash
// allowed), "\\server\share" and "\\server\share\a". With bAbsoluteOnly false also
// relative forms ("a\b", ".\a", "..\a"). Refused: empty texts, forward slashes, empty
// components ("C:\a\\b"), "." or ".." inside absolute paths, components ending in a blank
// or a dot, the characters < > : " | ? * and codes below 32 (the drive colon apart),
// components longer than 255 and paths of kMaxPath characters or more. Bytes above 127
// are characters of the ANSI code page and accepted.
bool IsDirForm(const std::string& path, bool bAbsoluteOnly);

// Form of a file path: a directory form (as above) followed by a file name, without a
// trailing backslash; with bNeedExtension the name has a dot followed by at least one
// character ("b.txt", not "b" or "b.").
bool IsFileForm(const std::string& path, bool bAbsoluteOnly, bool bNeedExtension);

// The folder of a file path: "C:\a\b.txt" gives "C:\a", "C:\b.txt" gives "C:\",
// "\\s\share\f.txt" gives "\\s\share"; a path without a backslash gives "".
std::string FolderOf(const std::string& path);

} // namespace pathtext
