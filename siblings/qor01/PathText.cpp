#include "PathText.h"
#include <vector>

namespace pathtext {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsBadChar(unsigned char c)
{
    return c < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' || c == '*' || c == '/';
}

std::vector<std::string> Split(const std::string& s)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;)
    {
        size_t pos = s.find('\\', start);
        parts.push_back(s.substr(start, pos == std::string::npos ? std::string::npos : pos - start));
        if (pos == std::string::npos) break;
        start = pos + 1;
    }
    return parts;
}

bool IsName(const std::string& name)
{
    if (name.empty() || name.size() > 255) return false;
    for (unsigned char c : name)
        if (IsBadChar(c)) return false;
    char last = name.back();
    return last != ' ' && last != '.';
}

// Splits path into its root ("C:\", "\\server\share", or "" when relative) and the rest.
bool SplitRoot(const std::string& path, bool bAbsoluteOnly, std::string& root, std::string& rest)
{
    if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\')
    {
        root = path.substr(0, 3);
        rest = path.substr(3);
        return true;
    }
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\')
    {
        // \\server\share: both names present and valid.
        size_t s1 = path.find('\\', 2);
        if (s1 == std::string::npos) return false;
        size_t s2 = path.find('\\', s1 + 1);
        std::string server = path.substr(2, s1 - 2);
        std::string share = path.substr(s1 + 1, s2 == std::string::npos ? std::string::npos : s2 - s1 - 1);
        if (!IsName(server) || !IsName(share)) return false;
        root = path.substr(0, s2 == std::string::npos ? path.size() : s2);
        rest = s2 == std::string::npos ? std::string() : path.substr(s2 + 1);
        return true;
    }
    if (bAbsoluteOnly || path.empty() || path[0] == '\\' || (path.size() >= 2 && path[1] == ':'))
        return false;   // "\a" (current drive) and "C:a" (drive-relative) are neither
    root.clear();
    rest = path;
    return true;
}

bool RestIsDirs(const std::string& rest, bool bRelative, bool bTrailingAllowed)
{
    if (rest.empty()) return true;
    std::vector<std::string> parts = Split(rest);
    if (parts.back().empty())
    {
        if (!bTrailingAllowed) return false;
        parts.pop_back();
    }
    for (const std::string& p : parts)
    {
        if (bRelative && (p == "." || p == ".."))
            continue;
        if (!IsName(p)) return false;
    }
    return true;
}

} // namespace

bool IsDirForm(const std::string& path, bool bAbsoluteOnly)
{
    if (path.empty() || path.size() >= kMaxPath) return false;
    std::string root, rest;
    if (!SplitRoot(path, bAbsoluteOnly, root, rest)) return false;
    if (root.empty() && rest.empty()) return false;
    return RestIsDirs(rest, root.empty(), true);
}

bool IsFileForm(const std::string& path, bool bAbsoluteOnly, bool bNeedExtension)
{
    if (path.empty() || path.size() >= kMaxPath || path.back() == '\\') return false;
    std::string root, rest;
    if (!SplitRoot(path, bAbsoluteOnly, root, rest) || rest.empty()) return false;
    size_t slash = rest.rfind('\\');
    std::string name = slash == std::string::npos ? rest : rest.substr(slash + 1);
    std::string dirs = slash == std::string::npos ? std::string() : rest.substr(0, slash);
    if (!IsName(name) || name == "." || name == "..") return false;
    if (bNeedExtension)
    {
        size_t dot = name.rfind('.');
        if (dot == std::string::npos || dot == 0 || dot + 1 >= name.size()) return false;
    }
    return RestIsDirs(dirs, root.empty(), false);
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return std::string();
    // The root of a drive keeps its backslash; "\\server\share" is a folder without one.
    if (slash == 2 && path.size() >= 3 && path[1] == ':')
        return path.substr(0, 3);
    return path.substr(0, slash);
}

} // namespace pathtext
