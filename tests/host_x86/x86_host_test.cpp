#include <windows.h>

#include <cstdint>
#include <cstring>

#include "host/x86/frontend_reads.h"
#include "host/x86/x86_host.h"
#include "host_x86/check.h"
#include "host_x86/test_memory.h"

using namespace dk;
using namespace dk::test;

// An entry left out when the table grows would be a null call in the game.
DK_TEST(EveryHostEntryIsFilled) {
    const HostInterface& host = x86::X86Host();
    static_assert(sizeof(HostInterface) % sizeof(void*) == 0);
    void* entries[sizeof(HostInterface) / sizeof(void*)];
    std::memcpy(entries, &host, sizeof entries);
    for (void* entry : entries) CHECK(entry != nullptr);
}

// Records as the game lays them out, in memory of the test's own.
DK_TEST(TorchPathReadsFindTheirFields) {
    const HostInterface& host = x86::X86Host();
    alignas(4) uint8_t player[0x200] = {};
    alignas(4) uint8_t inventory[0x20] = {};
    alignas(4) uint8_t weapon[0x70] = {};
    alignas(4) uint8_t attachment[0x2b4] = {};
    const uintptr_t inventoryAddress = reinterpret_cast<uintptr_t>(inventory);
    const uintptr_t attachmentAddress = reinterpret_cast<uintptr_t>(attachment);
    std::memcpy(player + 0x1bc, &inventoryAddress, 4);
    std::memcpy(weapon + 0x6c, &attachmentAddress, 4);
    const int32_t slotWords[] = {-1, 3, 64, 65, -2};
    const uintptr_t slotOffsets[] = {0x04, 0x10, 0x14, 0x18, 0x1c};
    for (int i = 0; i < 5; ++i) std::memcpy(inventory + slotOffsets[i], &slotWords[i], 4);
    const uint32_t torch = 0x100;
    std::memcpy(attachment + 0x2b0, &torch, 4);

    InventoryRecord* foundInventory = nullptr;
    CHECK(host.readInventory(reinterpret_cast<PlayerRecord*>(player), &foundInventory));
    CHECK(reinterpret_cast<uintptr_t>(foundInventory) == inventoryAddress);
    for (int i = 0; i < 5; ++i) {
        int32_t word = 0x7777;
        CHECK(host.readSlotWord(foundInventory, i, &word));
        CHECK(word == slotWords[i]);
    }
    WeaponAttachment* foundAttachment = nullptr;
    CHECK(host.readAttachment(reinterpret_cast<WeaponRecord*>(weapon), &foundAttachment));
    CHECK(reinterpret_cast<uintptr_t>(foundAttachment) == attachmentAddress);
    uint32_t torchWord = 0;
    CHECK(host.readTorchWord(foundAttachment, &torchWord));
    CHECK(torchWord == 0x100);
}

// A null or stale record must give no value and leave the output alone.
DK_TEST(TorchPathReadsOfBadRecordsFailAndLeaveTheOutput) {
    const HostInterface& host = x86::X86Host();
    TestPage noAccess(PAGE_NOACCESS);
    auto* const marker = reinterpret_cast<void*>(0x5eed);
    const uintptr_t badRecords[] = {0, noAccess.at(0)};
    for (uintptr_t bad : badRecords) {
        auto* inventory = static_cast<InventoryRecord*>(marker);
        CHECK(!host.readInventory(reinterpret_cast<PlayerRecord*>(bad), &inventory));
        CHECK(inventory == marker);
        int32_t word = 0x5eed;
        CHECK(!host.readSlotWord(reinterpret_cast<InventoryRecord*>(bad), 0, &word));
        CHECK(word == 0x5eed);
        auto* attachment = static_cast<WeaponAttachment*>(marker);
        CHECK(!host.readAttachment(reinterpret_cast<WeaponRecord*>(bad), &attachment));
        CHECK(attachment == marker);
        uint32_t torchWord = 0x5eed;
        CHECK(!host.readTorchWord(reinterpret_cast<WeaponAttachment*>(bad), &torchWord));
        CHECK(torchWord == 0x5eed);
    }
    alignas(4) uint8_t inventory[0x20] = {};
    int32_t word = 0x5eed;
    CHECK(!host.readSlotWord(reinterpret_cast<InventoryRecord*>(inventory), 5, &word));
    CHECK(!host.readSlotWord(reinterpret_cast<InventoryRecord*>(inventory), -1, &word));
    CHECK(word == 0x5eed);
}

// The frontend walk meets pages and names the game may be changing: one that
// cannot be read is "not that page", and nothing is read past the page array.
DK_TEST(FrontendReadsOfBadRecordsGiveNothing) {
    const HostInterface& host = x86::X86Host();
    TestPage noAccess(PAGE_NOACCESS);
    TestPage edge(PAGE_READWRITE);  // readable, then a page that is not
    DWORD old = 0;
    CHECK(VirtualProtect(edge.base + 0x1000, 0x1000, PAGE_NOACCESS, &old));
    char* cutName = reinterpret_cast<char*>(edge.base + 0x1000 - 5);
    std::memcpy(cutName, "contr", 5);  // runs into the unreadable page

    alignas(4) uint8_t page[0x244] = {};
    auto* asPage = reinterpret_cast<FrontendPage*>(page);
    const struct {
        uintptr_t text;
        const char* name;
        bool named;
    } cases[] = {{reinterpret_cast<uintptr_t>("controls"), "controls", true},
                 {reinterpret_cast<uintptr_t>("controls"), "control", false},
                 {reinterpret_cast<uintptr_t>("control"), "controls", false},
                 {0, "controls", false},
                 {noAccess.at(0), "controls", false},
                 {reinterpret_cast<uintptr_t>(cutName), "controls", false}};
    for (const auto& c : cases) {
        std::memcpy(page + 0x23c, &c.text, 4);
        CHECK(host.isPageNamed(asPage, c.name) == c.named);
    }
    CHECK(!host.isPageNamed(nullptr, "controls"));
    CHECK(!host.isPageNamed(reinterpret_cast<FrontendPage*>(noAccess.at(0)), "controls"));

    alignas(4) uint8_t manager[0x100] = {};
    auto* asManager = reinterpret_cast<FrontendManager*>(manager);
    CHECK(x86::IsReadableManager(asManager));
    CHECK(!x86::IsReadableManager(nullptr));
    CHECK(!x86::IsReadableManager(reinterpret_cast<FrontendManager*>(noAccess.at(0))));
    CHECK(!x86::IsReadableManager(reinterpret_cast<FrontendManager*>(edge.base + 0x1000 - 0x80)));
    const int32_t count = 1000;
    std::memcpy(manager + 0xf0, &count, 4);
    const uintptr_t last = 0x4e4e4e4e;
    std::memcpy(manager + 0xec, &last, 4);
    CHECK(host.pageCount(asManager) == 1000);
    CHECK(reinterpret_cast<uintptr_t>(host.page(asManager, 49)) == last);
    CHECK(host.page(asManager, 50) == nullptr);
    CHECK(host.page(asManager, -1) == nullptr);
}
