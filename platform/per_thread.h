// One object per thread, for state that a thread must not share: made on the
// thread's first request and deleted when the thread ends.
//
// The object hangs from a fiber-local storage slot, whose callback the system
// runs on a thread as it ends, before any DLL hears of the thread's end. That
// matters for a thread ending with windows still open: Windows (and Wine)
// destroys such windows without a message to their procedures, so nothing
// else would free what the thread held. The C++ runtime's thread_local
// destructors are not used: under mingw-w64's emulated TLS they can run after
// the storage they destroy has been freed (a thread's end under Wine was seen
// to leave the heap locked that way).
#pragma once

#include "platform/win.h"

#include <new>

namespace taverel::platform {

// One PerThread per type T: the slot is the type's. Never freed, since any
// thread may still end holding an object: keep it in a function's static.
template <typename T>
class PerThread {
public:
    PerThread() { index_ = FlsAlloc(&End); }
    PerThread(const PerThread&) = delete;
    PerThread& operator=(const PerThread&) = delete;

    // The calling thread's object, or nullptr when it has none (yet, or any
    // more: once its end has deleted it).
    T* Find() const {
        return index_ == FLS_OUT_OF_INDEXES ? nullptr : static_cast<T*>(FlsGetValue(index_));
    }
    // The calling thread's object, made now when it has none. Null only when
    // the process has run out of slots or memory.
    T* Get() {
        if (T* object = Find())
            return object;
        if (index_ == FLS_OUT_OF_INDEXES)
            return nullptr;
        T* object = new (std::nothrow) T;
        if (object && !FlsSetValue(index_, object)) {
            delete object;
            return nullptr;
        }
        return object;
    }

private:
    // Run on the ending thread. The object stays found while its destructor
    // runs (it may give windows back through code that finds it), and is
    // found no more once deleted, whatever order the system ends slots in.
    static void WINAPI End(void* object) {
        delete static_cast<T*>(object);
        FlsSetValue(index_, nullptr);
    }

    static inline DWORD index_ = FLS_OUT_OF_INDEXES;
};

}  // namespace taverel::platform
