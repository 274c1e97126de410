// The command window connected to the in-process simulated calculator, after a few lines were
// sent: the history in the command box and the stack picture with numbers, a string, a list
// and an expression.
#include "Screenshots.h"

#include "cmdwin/VorlCmd.h"
#include "mainwin/ZQDir.h"
#include "support/gui/GuiFixture.h"

#include <QComboBox>

namespace lw::shots {

void CommandWindowScene(TShot& shot) {
    test::TGuiFixture f;
    f.StartSimulator();
    gui::TFZQDir main(QString::fromStdString(f.Port));
    f.InstallHooks(&main);
    gui::TFVorlCmd window(main);
    main.tbtnConnectClick(false);
    for (const char* line : {"1.5 2 /", "\"Hello, calculator\"", "{ 1 2 3 }", "'X^2+1'", "3 4 +"}) {
        window.cmboCmd->setEditText(line);
        window.btnSendClick();
    }
    window.show();
    shot.Save(window, "command-window");
    main.close();
}

} // namespace lw::shots
