// Spelling a path the way the file system stores it, component by component.
#pragma once

#include <string>

// The path with every component below its root replaced by its stored spelling: the stored letter
// case, the long name for a short one, the first match for a wildcard pattern. "\" and "/" both
// separate components and are kept as typed, as are the root ("\", "c:\", "\\server\share\"), ".",
// ".." and empty components. A component that is not found stays as typed, and the components after
// it are looked up under it. A path whose root runs to its end ("c:", "c:name", "\\server",
// "\\server\share") is returned as typed, as is an empty path.
std::string ResolvePath(const std::string& path);

// The stored name of the probe's last component, or that component as typed when the search finds
// nothing, when it is "." or "..", or when it is empty. A stored name the code page cannot spell
// (it holds "?") is replaced by the entry's short name, or by the component as typed when there is none.
std::string ResolveComponent(const std::string& probe);
