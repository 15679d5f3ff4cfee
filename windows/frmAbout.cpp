#include "windows/frmAbout.h"

namespace trevalo {

frmAbout::frmAbout()
{
    Picture1.setImage("trevalo");
    Picture1.setPlace({ 240, 240, 480, 480 });
    lblTitle.setPlace({ 960, 240, 4920, 285 });
    lblTitle.setFont(ui::fonts::sans_bold);
    lblVersion.setPlace({ 960, 540, 4920, 255 });
    lblDescription.setCaption(
        "Used along with PgcEdit's trace function to help assist on preparing commands in jumping from PGC to PGC.");
    lblDescription.setPlace({ 960, 900, 4920, 660 });
    Label1.setCaption("A companion to PgcEdit for DVD-Video authors.");
    Label1.setPlace({ 960, 1620, 4920, 255 });
    Label1.setFont({ "MS Sans Serif", 8.25, false, true });
    Label2.setPlace({ 240, 2040, 5640, 1080 });
    lblClose.setCaption("Click anywhere or press Escape to close.");
    lblClose.setPlace({ 240, 3180, 5640, 255 });
    lblClose.setForeColour(ui::colours::grey_text);
    form.on_click = [this] { Form_Click(); };
    Form_Load();
}

void frmAbout::Form_Load()
{
    form.setCaption("About ");
    lblVersion.setCaption("Version " TREVALO_VERSION);
    lblTitle.setCaption("Trevalo by the Trevalo developers");
    Label2.setCaption("Thanks to the authors of the guides on starting a disc in the menu of one's choice, and to "
                      "the beta testers whose reports shaped this tool.\r\n\r\n"
                      "Thanks also to the maker of PgcEdit, whose trace and clipboard commands make Trevalo "
                      "possible.");
}

void frmAbout::Form_Click()
{
    form.setVisible(false);
}

}
