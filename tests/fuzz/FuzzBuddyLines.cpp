// buddies.txt: whatever the file holds, what reads is a list of names that each
// match themselves, no more than the list takes, and writes and reads back the same.
#include <cstdlib>
#include <string>

#include "ui/core/BuddyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CBuddyList list;
    list.Read(CString(std::string(reinterpret_cast<const char*>(data), size)));
    if (list.Names().size() > static_cast<size_t>(CBuddyList::MAX_BUDDIES))
        abort();
    for (const CString& name : list.Names()) {
        if (name.IsEmpty() || name.GetLength() > CBuddyList::MAX_NAME || name.Find('\n') >= 0)
            abort();
        // A listed name is its own buddy, stars and all.
        if (!list.Matches(name))
            abort();
    }
    CBuddyList again;
    again.Read(BuddyFileText(list.Names()));
    if (again.Names() != list.Names())
        abort();
    return 0;
}
