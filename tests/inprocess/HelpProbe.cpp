// Redirecting an import of the test program: the loader writes the address
// of each imported function into the import address table, and every call
// goes through that slot.
#include "HelpProbe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

namespace {

using WinHelpFn = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);

std::mutex g_mutex;
std::vector<HelpRequest> g_requests;
WinHelpFn g_real = nullptr;

// The import address table slot of dll's function in this program.
void** ImportSlot(const char* dll, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name; ++module) {
        if (_stricmp(reinterpret_cast<const char*>(base + module->Name), dll) != 0)
            continue;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void Patch(void** slot, void* value)
{
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

BOOL WINAPI RecordWinHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data)
{
    {
        std::lock_guard lock(g_mutex);
        g_requests.push_back({window, file ? file : "", command, data});
    }
    return g_real(window, file, command, data);
}

}  // namespace

HelpProbe::HelpProbe()
{
    void** slot = ImportSlot("user32.dll", "WinHelpA");
    if (!slot) {
        ADD_FAILURE() << "the test program does not import WinHelpA";
        return;
    }
    std::lock_guard lock(g_mutex);
    g_requests.clear();
    g_real = reinterpret_cast<WinHelpFn>(*slot);
    Patch(slot, reinterpret_cast<void*>(&RecordWinHelp));
}

HelpProbe::~HelpProbe()
{
    if (void** slot = ImportSlot("user32.dll", "WinHelpA"); slot && g_real)
        Patch(slot, reinterpret_cast<void*>(g_real));
}

std::vector<HelpRequest> HelpProbe::Requests() const
{
    std::lock_guard lock(g_mutex);
    return g_requests;
}
