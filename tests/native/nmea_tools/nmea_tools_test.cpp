// The NMEA tools in the whole program, through the pointer only: the picker filling the form, the
// incoming view listing what a streaming converter sends, and the real-time view of one slot. The
// converter model sits on COM3; the catalogue is the one we ship.
#include "form/form_model.h"
#include "form/main_form.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "nmea/incoming_view.h"
#include "nmea/realtime_view.h"
#include "nmea/sentence_picker.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_gdi.h"
#include "platform/headless/headless_graphics.h"
#include "platform/headless/headless_port.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/converter_device.h"
#include "support/program_fixture.h"
#include "toolkit/decimal_text.h"
#include "toolkit/theme.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's own count of the heap in use (its header is not always installed).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace zor::testing {
namespace {

const std::vector<std::string> streamed = {
    "$GPGGA,092750.00,5321.6802,N,00630.3372,W,1,08,1.03,61.7,M,55.2,M,,*76",
    "$WIMWV,214.8,R,7.5,N,A*2E",
    "!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24",
    "$GPGGA,092751.00,,N,00630.3371,W,1,08,1.03,61.8,M,55.2,M,,*7A",
    "$SDDPT,12.4,0.5,*49",
};

std::u16string text(const Widget& w) {
    return w.caption();
}

// The program started with the catalogue file and the converter in place before start-up.
class NmeaToolsTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        std::ifstream in(ZOR_SHIPPED_CATALOGUE, std::ios::binary);
        platform::headless::putFile(u"C:\\ZOR-MX-410\\nmea.txt",
                                    std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
        converter.model.setSentences(streamed);
        platform::headless::attachSerialDevice("\\\\.\\COM3", converter);
        startProgram();
    }

    void waitForConverter() {
        ASSERT_TRUE(pumpUntil([] { return !IsScanning(); }, 20000));
        ASSERT_EQ(converter.model.counters().queries, 1u);
        ASSERT_NE(converterLink.portHandle, platform::invalidPortHandle);
        pumpFor(500); // the reply is read and applied
    }

    // Pick: the first sentence (GPGGA) with the given rows chosen, then "OK".
    void pick(std::initializer_list<std::int32_t> rows) {
        click(mainForm.sentence.pickButton);
        click(sentencePicker.sentenceButton[0]);
        for (std::int32_t k : rows)
            click(sentencePicker.row[k]);
        click(sentencePicker.okButton);
    }

    ConverterDevice converter;
};

TEST_F(NmeaToolsTest, PickerFillsTheFormWithTheChosenSentenceAndParameters) {
    waitForConverter();
    EXPECT_EQ(text(sentencePicker.sentenceButton[0]), u"GPGGA"); // captioned from the file
    EXPECT_EQ(text(sentencePicker.sentenceButton[79]), u"**XDR");
    // The picker and its widgets wear the theme's colours.
    EXPECT_EQ(pickerWindow.ctbg, theme.ctbg);
    EXPECT_EQ(sentencePicker.okButton.ctfn, theme.ctfn);

    click(mainForm.sentence.pickButton);
    ASSERT_TRUE(usable(sentencePicker.okButton));
    EXPECT_FALSE(platform::isWindowEnabled(mainForm.window.window));
    EXPECT_TRUE(mainForm.commands.readButton.enabled); // the window alone is out of use
    EXPECT_EQ(mainForm.commands.readButton.visualState, Normal);

    // Resting on a button previews its list while nothing is picked.
    hover(sentencePicker.sentenceButton[3]);
    EXPECT_EQ(text(sentencePicker.parametersGroup).substr(0, 20), u"Parameters for GNRMC");
    click(sentencePicker.sentenceButton[0]);
    EXPECT_EQ(sentencePicker.sentenceButton[0].ctfn, pickedColour);
    hover(sentencePicker.sentenceButton[3]);
    EXPECT_EQ(text(sentencePicker.parametersGroup),
              u"Parameters for GPGGA  (GPS fix data: time, position, fix quality, altitude)");
    EXPECT_EQ(text(sentencePicker.row[1]), u" 2   Latitude (ddmm.mmmm)");
    EXPECT_EQ(text(sentencePicker.row[9]), u"10   Altitude unit (M = metres)");

    click(sentencePicker.row[1]);
    click(sentencePicker.row[6]);
    click(sentencePicker.row[9]);
    click(sentencePicker.row[9]); // chosen and given up again
    EXPECT_EQ(sentencePicker.row[1].ctbg, pickedColour);
    EXPECT_EQ(sentencePicker.row[9].ctbg, RowColour(9));
    platform::headless::clearDialogLog();
    click(sentencePicker.row[20]); // GGA has fourteen fields
    ASSERT_EQ(platform::headless::beeps().size(), 1u);
    EXPECT_EQ(platform::headless::beeps()[0].first, 2000u);

    click(sentencePicker.okButton);
    EXPECT_FALSE(shown(sentencePicker.okButton));
    EXPECT_TRUE(platform::isWindowEnabled(mainForm.window.window));
    EXPECT_EQ(text(mainForm.sentence.sentenceIdField), u"GPGGA");
    EXPECT_EQ(std::u16string(formModel.sentenceId[0].c_str()), u"GPGGA");
    EXPECT_EQ(formModel.parameterSelectMask[0], (1u << 1) | (1u << 6));
    for (std::int32_t j = 0; j < parameterSlotCount; ++j)
        EXPECT_EQ(mainForm.sentence.slot[j].checked, j == 1 || j == 6) << "slot " << j + 1;

    // Opened again: nothing picked; "Cancel" leaves the form as it is.
    click(mainForm.sentence.pickButton);
    EXPECT_EQ(text(sentencePicker.parametersGroup), u"NMEA Sentence Parameters (no sentence selected)");
    EXPECT_EQ(sentencePicker.sentenceButton[0].ctfn, sentencePicker.selectorsGroup.ctfn);
    click(sentencePicker.sentenceButton[5]);
    click(sentencePicker.cancelButton);
    EXPECT_EQ(text(mainForm.sentence.sentenceIdField), u"GPGGA");
    EXPECT_EQ(formModel.parameterSelectMask[0], (1u << 1) | (1u << 6));
}

// The picker left by the keyboard or by the window system, with GNRMC and its second row chosen: Enter
// is "OK"; Escape, Alt+F4 and the close message are "Cancel". None of them destroys the picker or ends
// the program; the main window is back in use each time.
TEST_F(NmeaToolsTest, PickerLeftByKeysOrTheWindowSystemActsAsOkOrCancel) {
    struct Case {
        const char* name;
        void (*leave)();
        bool taken; // the choice reached the form
    };
    const Case cases[] = {
        {"Escape", [] { platform::testing::keyDown(platform::key::Escape); }, false},
        {"Alt+F4",
         [] {
             platform::testing::setAlt(true);
             platform::testing::keyDown(platform::key::F4);
             platform::testing::setAlt(false);
         },
         false},
        {"close message", [] { platform::postMessage(pickerWindow.window, platform::msg::Close, 0, 0); },
         false},
        {"Enter", [] { platform::testing::keyDown(platform::key::Enter); }, true},
    };
    waitForConverter();
    const std::u16string idBefore = text(mainForm.sentence.sentenceIdField);
    const std::uint32_t maskBefore = formModel.parameterSelectMask[0];
    ASSERT_NE(idBefore, u"GNRMC");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(mainForm.sentence.pickButton);
        click(sentencePicker.sentenceButton[3]);
        click(sentencePicker.row[1]);
        c.leave();
        pumpPending();
        EXPECT_TRUE(platform::isWindow(pickerWindow.window));
        EXPECT_EQ(toolkit.openWindowCount, 0); // no window destroyed: the program runs on
        EXPECT_FALSE(shown(sentencePicker.okButton));
        EXPECT_TRUE(platform::isWindowEnabled(mainForm.window.window));
        EXPECT_EQ(text(mainForm.sentence.sentenceIdField), c.taken ? u"GNRMC" : idBefore);
        EXPECT_EQ(formModel.parameterSelectMask[0], c.taken ? 1u << 1 : maskBefore);
    }
    // Right after it opens, before anything in it was clicked, Escape leaves it too.
    click(mainForm.sentence.pickButton);
    platform::testing::keyDown(platform::key::Escape);
    pumpPending();
    EXPECT_FALSE(shown(sentencePicker.okButton));
}

TEST_F(NmeaToolsTest, IncomingViewListsAndScrollsWhatTheConverterSends) {
    waitForConverter();
    click(mainForm.sentence.pickButton);
    click(sentencePicker.incomingButton);
    EXPECT_EQ(converter.model.counters().streamStarts, 1u);
    EXPECT_EQ(text(sentencePicker.incomingButton), u"Hide Incoming NMEA");
    EXPECT_FALSE(usable(sentencePicker.okButton));
    EXPECT_FALSE(usable(sentencePicker.sentenceButton[0]));
    // Read twice a second on the picker's own timer.
    EXPECT_EQ(platform::headless::timerPeriod(pickerWindow.window, pickerWindow.timerArming), 500u);

    // Seventeen sentences or more: the rows are full and scroll, the newest at the bottom.
    ASSERT_TRUE(pumpUntil([&] { return converter.model.counters().sentencesSent >= 20; }, 20000));
    pumpFor(600);
    std::int32_t cutBeforeNext = 0;
    std::int32_t aisRows = 0;
    for (std::int32_t k = 0; k < pickerRowCount; k += 2) {
        const std::u16string row = text(sentencePicker.row[k]);
        ASSERT_GE(row.size(), 6u) << "row " << k;
        EXPECT_TRUE(row[0] == u'$' || row[0] == u'!') << "row " << k;
        EXPECT_EQ(row.find_first_of(u"$!", 1), std::u16string::npos) << "row " << k;
        // An AIS sentence, started by "!", has a row of its own.
        aisRows += row.starts_with(u"!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24") ? 1 : 0;
        // The line feed before the next "$" of a read is left out; the last sentence keeps it.
        cutBeforeNext += row.back() == u'\r' ? 1 : 0;
        EXPECT_EQ(text(sentencePicker.row[k + 1]), u"");
    }
    EXPECT_GT(cutBeforeNext, 0);
    EXPECT_GE(aisRows, 2);
    // Rows follow the converter's order: five sentences repeat (the last of a read keeps its line feed).
    const auto withoutLineEnd = [](std::u16string row) {
        while (!row.empty() && (row.back() == u'\r' || row.back() == u'\n'))
            row.pop_back();
        return row;
    };
    EXPECT_EQ(withoutLineEnd(text(sentencePicker.row[0])), withoutLineEnd(text(sentencePicker.row[10])));
    EXPECT_NE(text(sentencePicker.row[0]), text(sentencePicker.row[2]));

    // A click on a row pauses the rows; a second one lets them go on.
    click(sentencePicker.row[5]);
    EXPECT_EQ(text(sentencePicker.parametersGroup), u"Incoming NMEA Sentences (paused)");
    const std::u16string bottom = text(sentencePicker.row[30]);
    pumpFor(2000); // the converter goes on streaming
    EXPECT_EQ(text(sentencePicker.row[30]), bottom);
    click(sentencePicker.row[5]);
    EXPECT_EQ(text(sentencePicker.parametersGroup), u"Incoming NMEA Sentences");
    ASSERT_TRUE(pumpUntil([&] { return text(sentencePicker.row[30]) != bottom; }, 5000));

    click(sentencePicker.incomingButton);
    EXPECT_EQ(converter.model.counters().streamStops, 1u);
    EXPECT_FALSE(converter.model.streaming());
    EXPECT_EQ(text(sentencePicker.parametersGroup), u"NMEA Sentence Parameters (no sentence selected)");
    EXPECT_EQ(text(sentencePicker.row[0]), u"");
    EXPECT_TRUE(usable(sentencePicker.okButton));
    click(sentencePicker.cancelButton);
    EXPECT_TRUE(platform::isWindowEnabled(mainForm.window.window));
}

// Every window of the main form: whether it takes input, and how its widget looks and is flagged.
struct WidgetState {
    platform::WindowHandle window;
    bool windowEnabled;
    bool enabled;
    std::int32_t visualState;
    bool operator==(const WidgetState&) const = default;
};

std::vector<WidgetState> formState() {
    std::vector<WidgetState> states;
    for (platform::WindowHandle window : platform::descendantWindows(mainForm.window.window)) {
        const Widget* w = Widget::fromWindow(window);
        const bool isWidget = w != nullptr && w->window == window;
        states.push_back({window, platform::isWindowEnabled(window), isWidget && w->enabled,
                          isWidget ? w->visualState : -1});
    }
    return states;
}

TEST_F(NmeaToolsTest, RealtimeViewShowsTheSlotsValueAndGivesEveryWidgetItsStateBack) {
    // While the scan runs, or with no five-character identifier, a right click only explains.
    platform::testing::rightDown(mainForm.sentence.slot[1].window, 5, 5);
    platform::testing::rightUp(mainForm.sentence.slot[1].window, 5, 5);
    pumpFor(50);
    waitForConverter();
    ASSERT_EQ(platform::headless::shownBoxes().size(), 1u);
    EXPECT_EQ(platform::headless::shownBoxes()[0].caption, u"Parameter View Mode");
    EXPECT_EQ(converter.model.counters().streamStarts, 0u);

    // An identifier that is not five characters long.
    click(mainForm.sentence.sentenceIdField);
    platform::setWindowText(mainForm.sentence.sentenceIdField.editWindow, u"GPGG");
    click(mainForm.status.line); // the field left
    platform::testing::rightDown(mainForm.sentence.slot[1].window, 5, 5);
    platform::testing::rightUp(mainForm.sentence.slot[1].window, 5, 5);
    pumpFor(50);
    ASSERT_EQ(platform::headless::shownBoxes().size(), 2u);
    EXPECT_EQ(platform::headless::shownBoxes()[1].text, u"NMEA Sentence ID must be 5 characters");
    EXPECT_EQ(platform::headless::shownBoxes()[1].caption, u"Error");
    EXPECT_EQ(converter.model.counters().streamStarts, 0u);

    pick({1});
    // Averaging off: its group is out of use before the view and must stay so after it.
    if (mainForm.controlOutput.averagingBox.checked) click(mainForm.controlOutput.averagingBox);
    ASSERT_FALSE(mainForm.averaging.group.enabled);
    moveAway();
    ASSERT_FALSE(mainForm.identity.serialNumberField.enabled); // no service marker
    const std::vector<WidgetState> before = formState();

    hover(mainForm.sentence.slot[1]);
    platform::testing::rightDown(mainForm.sentence.slot[1].window, 5, 5);
    platform::testing::rightUp(mainForm.sentence.slot[1].window, 5, 5);
    pumpFor(50);
    EXPECT_EQ(converter.model.counters().streamStarts, 1u);
    EXPECT_EQ(formModel.viewedParameter, 2);
    // The view reads ten times a second on the main window's timer.
    EXPECT_EQ(platform::headless::timerPeriod(mainForm.window.window, mainForm.window.timerArming), 100u);
    EXPECT_FALSE(usable(mainForm.commands.readButton));
    EXPECT_FALSE(usable(mainForm.sentence.slot[0]));
    EXPECT_TRUE(usable(mainForm.mainFunction.nmeaRadio));
    EXPECT_TRUE(usable(mainForm.commands.clearConfigButton));
    moveAway();
    EXPECT_EQ(text(mainForm.status.box), u"Real Time Parameter View (click to exit)");

    // The field of the first GGA, then the empty one of the second.
    ASSERT_TRUE(
        pumpUntil([] { return text(mainForm.status.line) == u"Latitude (ddmm.mmmm) = 5321.6802"; }, 10000));
    EXPECT_EQ(mainForm.status.line.ctebg, valueFlashColour);
    const std::uint64_t flashedAt = platform::headless::now();
    ASSERT_TRUE(pumpUntil([] { return mainForm.status.line.ctebg == valueRestColour; }, 1000));
    EXPECT_EQ(platform::headless::now() - flashedAt, 95u); // the green flash lasts 95 ms
    ASSERT_TRUE(pumpUntil(
        [] { return text(mainForm.status.line) == u"Latitude (ddmm.mmmm) (no data available)"; }, 10000));

    click(mainForm.status.line);
    EXPECT_EQ(formModel.viewedParameter, -1);
    EXPECT_EQ(converter.model.counters().streamStops, 1u);
    EXPECT_FALSE(converter.model.streaming());
    EXPECT_EQ(text(mainForm.status.line), u"OK");
    EXPECT_EQ(text(mainForm.status.box), u"Status");
    moveAway();
    const std::vector<WidgetState> after = formState();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(after[i] == before[i]) << "window " << i << " of the main form";
    EXPECT_FALSE(usable(mainForm.identity.serialNumberField));
}

// A receiver's burst, GGA, GSA, three GSV, RMC and VTG, sent back to back: reads end anywhere in it,
// and the RMC may stand behind other sentences or be cut by a read's end. Every RMC is shown.
TEST_F(NmeaToolsTest, RealtimeViewShowsEveryRmcOfABurst) {
    waitForConverter();
    std::vector<std::string> bursts;
    const int seconds = 8;
    for (int second = 0; second < seconds; ++second) {
        const std::string time = "0927" + std::to_string(10 + second) + ".00";
        bursts.push_back("$GPGGA," + time + ",5321.6802,N,00630.3372,W,1,08,1.03,61.7,M,55.2,M,,*76");
        bursts.push_back("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39");
        bursts.push_back("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74");
        bursts.push_back("$GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00*74");
        bursts.push_back("$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00,,,,*4D");
        bursts.push_back("$GPRMC," + time + ",A,5321.6802,N,00630.3372,W,0.06,31.66,280511,,,A*43");
        bursts.push_back("!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24");
        bursts.push_back("$GPVTG,31.66,T,,M,0.06,N,0.11,K,A*36");
    }
    converter.model.setSentences(bursts);
    sim::Timing backToBack;
    backToBack.sentencePeriodMs = 1;
    converter.model.setTiming(backToBack);
    click(mainForm.sentence.sentenceIdField);
    platform::setWindowText(mainForm.sentence.sentenceIdField.editWindow, u"GPRMC");
    pumpPending();
    hover(mainForm.sentence.slot[0]);
    platform::testing::rightDown(mainForm.sentence.slot[0].window, 5, 5);
    platform::testing::rightUp(mainForm.sentence.slot[0].window, 5, 5);
    pumpFor(50);
    ASSERT_EQ(formModel.viewedParameter, 1);

    std::set<std::u16string> shown;
    pumpUntil(
        [&] {
            shown.insert(text(mainForm.status.line));
            return converter.model.counters().sentencesSent >= bursts.size();
        },
        20000);
    pumpFor(500);
    click(mainForm.status.line);
    for (int second = 0; second < seconds; ++second) {
        const std::u16string time = u"0927" + DecimalText(10 + second) + u".00";
        bool found = false;
        for (const std::u16string& line : shown)
            found = found || (line.size() > time.size() && line.ends_with(u" = " + time));
        EXPECT_TRUE(found) << "the RMC of second " << second;
    }
}

// What the process holds: heap bytes in use, live windows, and the backend's drawing objects (GDI
// objects, device contexts, graphics objects).
struct Footprint {
    std::size_t heapBytes = 0;
    std::size_t windows = 0;
    std::size_t gdiObjects = 0;
    std::size_t surfaces = 0;
    std::size_t graphics = 0;
};

Footprint footprint() {
    // The backend records every drawing call for the tests that look at them: not the program's memory.
    platform::headless::clearDrawCalls();
    Footprint f;
#if defined(__SANITIZE_ADDRESS__)
    f.heapBytes = __sanitizer_get_current_allocated_bytes();
#else
    f.heapBytes = mallinfo2().uordblks;
#endif
    f.windows = platform::headless::liveWindows().size();
    f.gdiObjects = platform::headless::liveGdiObjects();
    f.surfaces = platform::headless::liveSurfaces();
    f.graphics = platform::headless::liveGraphicsObjects();
    return f;
}

// Minutes on the virtual clock, the backend's record of drawing cleared after each.
void pumpMinutes(std::uint32_t minutes) {
    for (std::uint32_t minute = 0; minute < minutes; ++minute) {
        pumpFor(60 * 1000);
        platform::headless::clearDrawCalls();
    }
}

// How long each view runs after it has settled: ZOR_WORKING_DAY_MINUTES, 480 for the whole eight
// hours (minutes of real time under the sanitizers); by default long enough for a slow leak of a
// sentence's worth per tick to show, in seconds.
std::uint32_t workingDayMinutes() {
    const char* minutes = std::getenv("ZOR_WORKING_DAY_MINUTES");
    const long parsed = minutes != nullptr ? std::strtol(minutes, nullptr, 10) : 0;
    return parsed > 0 ? static_cast<std::uint32_t>(parsed) : 5;
}

void expectFlat(const Footprint& settled, const Footprint& day) {
    constexpr std::size_t heapSlack = 4 * 1024;
    EXPECT_EQ(day.windows, settled.windows);
    EXPECT_EQ(day.gdiObjects, settled.gdiObjects);
    EXPECT_EQ(day.surfaces, settled.surfaces);
    EXPECT_EQ(day.graphics, settled.graphics);
    EXPECT_LE(day.heapBytes, settled.heapBytes + heapSlack) << "grew from " << settled.heapBytes;
}

// A working day of each view with the converter streaming, on the virtual clock: at its end the
// program holds what it held once the view had settled (the heap give or take what the allocator keeps
// aside), and the views still show what arrives.
TEST_F(NmeaToolsTest, AWorkingDayOfEachViewKeepsMemoryWindowsAndDrawingObjectsFlat) {
    waitForConverter();
    pick({1});
    moveAway();

    hover(mainForm.sentence.slot[1]);
    platform::testing::rightDown(mainForm.sentence.slot[1].window, 5, 5);
    platform::testing::rightUp(mainForm.sentence.slot[1].window, 5, 5);
    pumpFor(50);
    moveAway();
    ASSERT_EQ(formModel.viewedParameter, 2);
    const std::uint32_t day = workingDayMinutes();
    pumpMinutes(1);
    const Footprint parameterSettled = footprint();
    const std::uint32_t sentencesBefore = converter.model.counters().sentencesSent;
    pumpMinutes(day);
    const Footprint parameterDay = footprint();
    EXPECT_GT(converter.model.counters().sentencesSent - sentencesBefore, day * 60u) << "streamed all day";
    EXPECT_EQ(formModel.viewedParameter, 2);
    ASSERT_TRUE(
        pumpUntil([] { return text(mainForm.status.line) == u"Latitude (ddmm.mmmm) = 5321.6802"; }, 5000));
    expectFlat(parameterSettled, parameterDay);
    click(mainForm.status.line);
    EXPECT_FALSE(converter.model.streaming());

    click(mainForm.sentence.pickButton);
    click(sentencePicker.incomingButton);
    ASSERT_TRUE(converter.model.streaming());
    pumpMinutes(1);
    const Footprint incomingSettled = footprint();
    pumpMinutes(day);
    const Footprint incomingDay = footprint();
    const std::u16string bottom = text(sentencePicker.row[30]);
    ASSERT_TRUE(pumpUntil([&] { return text(sentencePicker.row[30]) != bottom; }, 5000)) << "still listing";
    EXPECT_EQ(text(sentencePicker.row[30]).rfind(u"$", 0), 0u);
    expectFlat(incomingSettled, incomingDay);
    click(sentencePicker.incomingButton);
    click(sentencePicker.cancelButton);
    EXPECT_FALSE(converter.model.streaming());
}

} // namespace
} // namespace zor::testing
