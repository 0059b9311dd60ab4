// The address under which the embedded browser finds a page bundled in the
// program's own resources.
#pragma once

#include <string>

namespace lumivex {

// "res://" + the module's path + "/" + the decimal resource number. The type
// is left out so that the browser takes the HTML resource type. Back-slashes
// and blanks stay as they are; '%' and '#' are percent-encoded because the
// browser would otherwise read them as an escape or as the start of a
// fragment.
std::wstring ResPageUrl(const std::wstring& modulePath, unsigned resourceId);

}  // namespace lumivex
