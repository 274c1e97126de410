// The command window connected to the in-process simulated calculator, after a few lines were
// sent: the history in the command box and the stack picture with numbers, a string, a list
// and an expression.
#include "Screenshots.h"

#include "cmdwin/VorlCmd.h"
#include "support/gui/MainWindowFixture.h"

#include <QComboBox>

namespace lw::shots {

void CommandWindowScene(TShot& shot) {
    test::TMainWindowFixture f;
    gui::TFVorlCmd window(*f.W);
    for (const char* line : {"1.5 2 /", "\"Hello, calculator\"", "{ 1 2 3 }", "'X^2+1'", "3 4 +"}) {
        window.cmboCmd->setEditText(line);
        window.btnSendClick();
    }
    window.show();
    shot.Save(window, "command-window");
    f.W->close();
}

} // namespace lw::shots
