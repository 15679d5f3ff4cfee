#include "windows/Note.h"

namespace trevalo {

Note::Note()
{
    lblDescription.setCaption("Menu selected is optional named on some DVDs. Confirm in PgcEdit to see that it's "
                              "configured or you'll get navigational errors on playback");
    lblDescription.setPlace({ 240, 240, 4320, 900 });
    cmdOK.setCaption("OK");
    cmdOK.setPlace({ 1920, 1320, 960, 375 });
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
    cmdOK.on_click = [this] { cmdOK_Click(); };
}

void Note::cmdOK_Click()
{
    form.setVisible(false);
}

}
