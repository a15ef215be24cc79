// Message boxes: the buttons and icon the style names, answered 1 OK, 2 Cancel, 3 Abort,
// 4 Retry, 5 Ignore, 6 Yes, 7 No. The box is application-modal; timers tick on meanwhile.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <iterator>
#include <vector>

#include "host/qt/qt_host.h"
#include "host/qt/units.h"
#include "platform/forms/msgbox.h"

namespace qthost {

namespace {

struct Answer {
    QMessageBox::StandardButton button;
    int16_t answer;
};

// The buttons of each style's low digit (0 to 5), in the order they stand.
const std::vector<Answer> kButtonSets[] = {
    {{QMessageBox::Ok, vb::vbOK}},
    {{QMessageBox::Ok, vb::vbOK}, {QMessageBox::Cancel, vb::vbCancel}},
    {{QMessageBox::Abort, vb::vbAbort},
     {QMessageBox::Retry, vb::vbRetry},
     {QMessageBox::Ignore, vb::vbIgnore}},
    {{QMessageBox::Yes, vb::vbYes},
     {QMessageBox::No, vb::vbNo},
     {QMessageBox::Cancel, vb::vbCancel}},
    {{QMessageBox::Yes, vb::vbYes}, {QMessageBox::No, vb::vbNo}},
    {{QMessageBox::Retry, vb::vbRetry}, {QMessageBox::Cancel, vb::vbCancel}},
};

constexpr int16_t kButtonsMask = 0x0F;
constexpr int16_t kIconMask = 0x70;
constexpr int kDefaultButtonShift = 8;  // 256 makes the second button the default, 512 the third

QMessageBox::Icon IconOf(int16_t style) {
    switch (style & kIconMask) {
        case vb::vbCritical:
            return QMessageBox::Critical;
        case vb::vbQuestion:
            return QMessageBox::Question;
        case vb::vbExclamation:
            return QMessageBox::Warning;
        case vb::vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

const std::vector<Answer>& ButtonsOf(int16_t style) {
    const auto set = static_cast<size_t>(style & kButtonsMask);
    return set < std::size(kButtonSets) ? kButtonSets[set] : kButtonSets[0];
}

}  // namespace

int16_t QtHost::messageBox(const std::string& prompt, int16_t buttons, const std::string& title) {
    const std::vector<Answer>& answers = ButtonsOf(buttons);
    if (failed_) return answers.back().answer;  // the program is ending: no one to ask
    QMessageBox box(IconOf(buttons), ToQString(title), ToQString(prompt), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    for (const Answer& a : answers) box.addButton(a.button);
    const auto chosen = static_cast<size_t>((buttons >> kDefaultButtonShift) & 3);
    box.setDefaultButton(answers[chosen < answers.size() ? chosen : 0].button);
    box.exec();
    eventDelivered();
    // Closing the box without a button counts as its Cancel, or as its only button.
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const Answer& a : answers)
        if (a.button == pressed) return a.answer;
    for (const Answer& a : answers)
        if (a.answer == vb::vbCancel) return a.answer;
    return answers.front().answer;
}

}  // namespace qthost
