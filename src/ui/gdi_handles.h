// Owners of the GDI and USER objects the windows make for their DPI: each
// goes with its owner, and is replaced whole when the DPI changes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace lumivex {

template <typename Handle, auto Release>
struct HandleRelease {
    void operator()(Handle handle) const {
        if (handle) Release(handle);
    }
};
template <typename Handle, auto Release>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleRelease<Handle, Release>>;

inline void DeleteFont(HFONT font) { DeleteObject(font); }
inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }

using UniqueFont = UniqueHandle<HFONT, DeleteFont>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueCursor = UniqueHandle<HCURSOR, DestroyCursor>;
using UniqueImageList = UniqueHandle<HIMAGELIST, DestroyImageList>;

}  // namespace lumivex
