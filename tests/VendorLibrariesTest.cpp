#include "services/VendorLibraries.h"

#include <gtest/gtest.h>

#include "app/Globals.h"
#include "platform/sim/SimDesktop.h"

namespace vh {
namespace {

class VendorLibraries : public ::testing::Test {
protected:
    VendorLibraries() { ResetProcessGlobals(); }
    ~VendorLibraries() override { ResetProcessGlobals(); }
    void Load() { LoadVendorLibraries(desk.libraries); }
    sim::SimDesktop desk;
};

TEST_F(VendorLibraries, BindsBothLibrariesAndFreesThem) {
    Load();
    EXPECT_NE(g_hKavrel, kNoHandle);
    EXPECT_NE(g_hMarlowen, kNoHandle);
    EXPECT_NE(g_kavrel.kavrelEvaluate, nullptr);
    EXPECT_NE(g_marlowen.setMute, nullptr);
    FreeVendorLibraries(desk.libraries);
    EXPECT_EQ(g_hKavrel, kNoHandle);
    EXPECT_EQ(g_hMarlowen, kNoHandle);
    EXPECT_EQ(desk.libraries.LoadedCount(), 0);
    EXPECT_FALSE(KavrelCommand(kavrel::kQueryPlatform, nullptr, 0, g_platformReply, 2));
}

TEST_F(VendorLibraries, UnboundEntryPointIsNeverCalledAndCountsAsFailed) {
    desk.vendor.missingEntries.insert("KavrelEvaluate");
    Load();
    desk.vendor.ec[34] = 0x01;
    EXPECT_FALSE(QueryPlatformCode(desk.debug));
    EXPECT_EQ(ReadECNamespace(desk.debug, 34), 0);
    EXPECT_FALSE(IsBatterySupportDTM(desk.debug, false));
    EnableVolumeControl(desk.debug, true);
    EXPECT_TRUE(desk.vendor.calls.empty());
    EXPECT_EQ(desk.debug.lines, (std::vector<std::wstring>{L"[VarnoHotkey] Can't Read EC Namespace!\n",
                                                           L"[VarnoHotkey] Can't read EC namespace",
                                                           L"[VarnoHotkey] Can't read EC namespace",
                                                           L"[VarnoHotkey]Enable VarnoHotkey to control Volume\n",
                                                           L"[VarnoHotkey] Kavrel False\n"}));
}

TEST_F(VendorLibraries, MissingLibraryLeavesItsHandleNull) {
    desk.libraries.missing.insert(L"Marlowen.dll");
    Load();
    EXPECT_NE(g_hKavrel, kNoHandle);
    EXPECT_EQ(g_hMarlowen, kNoHandle);
    EXPECT_EQ(g_marlowen.getVolume, nullptr);
}

TEST_F(VendorLibraries, CommandsCarryTheirBytes) {
    Load();
    desk.vendor.platformReply[0] = 0x00;
    desk.vendor.platformReply[1] = 0xCB;
    ASSERT_TRUE(QueryPlatformCode(desk.debug));
    EXPECT_EQ(PlatformCode(), 0xCB);
    EXPECT_TRUE(IsAltDtmPlatform());

    EnableVolumeControl(desk.debug, false);
    EXPECT_EQ(desk.vendor.volumeControl, 0x91);

    desk.vendor.ec[8] = 0x40;
    EXPECT_EQ(ReadECNamespace(desk.debug, 8), 0x40);
    WriteECNamespace(desk.debug, 0x41);
    EXPECT_EQ(desk.vendor.ec[8], 0x41);
    const sim::VendorCall& write = desk.vendor.calls.back();
    EXPECT_EQ(write.command, 0xB1);
    EXPECT_EQ(write.input, (std::vector<std::uint8_t>{8, 0x41}));
}

TEST_F(VendorLibraries, FailedReadReturnsTheClearedByte) {
    Load();
    desk.vendor.failKavrel = true;
    desk.vendor.ec[8] = 0x40;
    EXPECT_EQ(ReadECNamespace(desk.debug, 8), 0);
    EXPECT_EQ(ReadECNamespaceOSD(desk.debug, 8), 0);
    WriteECNamespace(desk.debug, 0x01);
    EXPECT_EQ(desk.debug.lines, (std::vector<std::wstring>{L"[VarnoHotkey] Can't read EC namespace",
                                                           L"[Function_UI] Can't Read EC Namespace!\n",
                                                           L"Can't write EC namespace"}));
}

TEST_F(VendorLibraries, DtmSupportReadsTheIndexOfThePlatform) {
    Load();
    struct Case {
        bool alt;
        std::uint8_t ec5, ec34;
        bool supported;
    };
    for (Case c : {Case{true, 0x01, 0x00, true}, Case{true, 0x00, 0x01, false}, Case{false, 0x01, 0x00, false},
                   Case{false, 0xFF, 0x03, true}}) {
        desk.debug.lines.clear();
        desk.vendor.ec[5] = c.ec5;
        desk.vendor.ec[34] = c.ec34;
        EXPECT_EQ(IsBatterySupportDTM(desk.debug, c.alt), c.supported);
        EXPECT_EQ(desk.debug.Contains(L"[VarnoHotkey] This's battery support DTM"), c.supported);
        EXPECT_EQ(desk.vendor.calls.back().input, (std::vector<std::uint8_t>{static_cast<std::uint8_t>(c.alt ? 5 : 34)}));
    }
}

}  // namespace
}  // namespace vh
