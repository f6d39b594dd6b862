// The window's widgets: where each stands, its caption and colour at start.
#include "tform1.h"

#include "captions.h"
#include "levels.h"
#include "pictures.h"
#include "skinpreview.h"
#include "widgets.h"

namespace {

constexpr int MainWidth = 185;
constexpr int MainHeight = 173;
constexpr int ItemLeft = 8;
constexpr int FirstItemTop = 8;
constexpr int ItemSpacing = 16;  // one menu line to the next
constexpr int ArrowLeft = 168;
constexpr int KeyNameLeft = 136;
constexpr int KeyNameWidth = 78;
// The pad's control for each binding, right of its key.
constexpr int PadNameLeft = KeyNameLeft + KeyNameWidth + 4;
constexpr int PadNameWidth = 62;
constexpr int KeysPanelWidth = PadNameLeft + PadNameWidth + 8;
constexpr int TitleWidth = 344;
constexpr int TitleNameHeight = 80;
constexpr int TitlePresentsHeight = 30;
// A black edge of two pixels, so that the rows of 13 pixels fill the lists in
// whole rows, as in the skins list.
constexpr int ListEdge = 2;
constexpr int ListRowHeight = 13;

// Each panel opens right of the main menu with its first line level with the
// main item that opens it.
int panelTop(int mainTop, int opener)
{
    const int line = findItem(opener) - MenuItems;
    return mainTop + line * ItemSpacing;
}

int lineTop(int line)
{
    return FirstItemTop + line * ItemSpacing;
}

QListWidget* makeList(QWidget* parent, const QString& name, const QRect& geometry, bool bold = true)
{
    auto* list = new FlatList(parent, ListEdge, ListRowHeight);
    list->setObjectName(name);
    list->setGeometry(geometry);
    if (bold)
        setBold(list);
    setFieldColours(list, colour::white, colour::black);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// The English caption a widget is designed with; the language sets it at start.
QString designCaption(const char* widget)
{
    for (int i = 0; i < CaptionCount; ++i)
        if (Captions[i].widget == widget)
            return uiText(Captions[i].english);
    return widget;
}

QLabel* makeItem(QWidget* parent, const char* name, int line, const QColor& colour)
{
    return makeLabel(parent, name, ItemLeft, lineTop(line), designCaption(name), colour);
}

}  // namespace

void TForm1::createSubmenus()
{
    newbevel = makePanel(this, "newbevel", {0, 0, 240, 41});
    newmenu1 = makeItem(newbevel, "newmenu1", 0, colour::white);
    newmenu2 = makeItem(newbevel, "newmenu2", 1, colour::gray);

    loadbevel = makePanel(this, "loadbevel", {0, 0, 257, 117});
    loadmenu = makeList(loadbevel, "loadmenu", {8, 8, 241, 97});

    savebevel = makePanel(this, "savebevel", {0, 0, 257, 141});
    savemenu1 = new QLineEdit(savebevel);
    savemenu1->setObjectName("savemenu1");
    savemenu1->setGeometry(8, 8, 241, 21);
    setBold(savemenu1);
    setFieldColours(savemenu1, colour::white, colour::black);
    savemenu1->setFrame(false);
    savemenu2 = makeList(savebevel, "savemenu2", {8, 32, 241, 97});

    keysbevel = makePanel(this, "keysbevel", {0, 0, KeysPanelWidth, 205});
    for (int i = 0; i < HotkeyCount; ++i) {
        const QString action = QString("keysmenu%1").arg(i + 1);
        keysmenu[i] = makeItem(keysbevel, action.toLatin1().constData(), i, colour::white);
        keysmenuKeys[i] = makeBox(keysbevel, QString("keysmenu%1_%1").arg(i + 1),
                                  {KeyNameLeft, lineTop(i), KeyNameWidth, 13}, uiText(NoKeyName), colour::white);
        setBackground(keysmenuKeys[i], colour::gray);
        keysmenuPad[i] = makeBox(keysbevel, QString("keysmenu%1_pad").arg(i + 1),
                                 {PadNameLeft, lineTop(i), PadNameWidth, 13}, uiText(padNameOf(i)), colour::white);
        if (!padNameOf(i).empty())
            setBackground(keysmenuPad[i], colour::navy);
    }

    aboutbevel = makePanel(this, "aboutbevel", {0, 0, 240, 61});
    aboutmenu1 = makeLabel(aboutbevel, "aboutmenu1", ItemLeft, lineTop(0), "Internal levels:", colour::white);
    aboutmenu1_1 = makeLabel(aboutbevel, "aboutmenu1_1", 154, lineTop(0), QString::number(BuiltinLevelCount),
                             colour::white);
    aboutmenu2 = makeLabel(aboutbevel, "aboutmenu2", ItemLeft, lineTop(1), "External levels:", colour::white);
    // Right-aligned: whatever the count, its text ends at 169.
    aboutmenu2_2 = makeBox(aboutbevel, "aboutmenu2_2", {129, lineTop(1), 40, 13}, "0", colour::white);
    aboutmenu2_2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    aboutmenu3 = makeItem(aboutbevel, "aboutmenu3", 2, colour::white);

    for (QFrame* panel : {newbevel, loadbevel, savebevel, keysbevel, aboutbevel})
        panel->hide();
}

void TForm1::createMenus()
{
    mainbevel = makePanel(this, "mainbevel", {0, 0, MainWidth, MainHeight});
    struct Item {
        QLabel** label;
        const char* name;
        QColor colour;
        const char* arrow;  // the ">" of an item that opens a panel
    };
    const Item items[] = {
        {&menu1, "menu1", colour::aqua, "Label1"},    {&menu2, "menu2", colour::gray, nullptr},
        {&menu110, "menu110", colour::gray, nullptr}, {&menu3, "menu3", colour::white, "Label2"},
        {&menu4, "menu4", colour::gray, "Label3"},    {&menu5, "menu5", colour::white, "Label5"},
        {&menu6, "menu6", colour::white, "Label4"},   {&menu7, "menu7", colour::white, "Label8"},
        {&menu8, "menu8", colour::white, "Label6"},   {&menu9, "menu9", colour::white, nullptr},
    };
    int line = 0;
    for (const Item& item : items) {
        *item.label = makeItem(mainbevel, item.name, line, item.colour);
        if (item.arrow)
            makeLabel(mainbevel, item.arrow, ArrowLeft, lineTop(line), ">", colour::white, false);
        ++line;
    }

    languagebevel = makePanel(this, "languagebevel", {0, 0, 240, 45});
    Image1 = makePicture(languagebevel, "Image1", {8, 7, 29, 15}, builtinPicture("flag_en.bmp"));
    languagemenu1 = makeLabel(languagebevel, "languagemenu1", 48, lineTop(0), designCaption("languagemenu1"), colour::white);
    Image2 = makePicture(languagebevel, "Image2", {8, 23, 29, 15}, builtinPicture("flag_ru.bmp"));
    languagemenu2 = makeLabel(languagebevel, "languagemenu2", 48, lineTop(1), designCaption("languagemenu2"), colour::white);
    languagebevel->hide();
}

void TForm1::createTitle()
{
    titlepanel = makePanel(this, "titlepanel", {});
    titlename = makePicture(titlepanel, "titlename", {0, 0, TitleWidth, TitleNameHeight},
                            builtinPicture("titlename.jpg"));
    titlepresents = makePicture(titlepanel, "titlepresents", {0, 0, TitleWidth, TitlePresentsHeight},
                                builtinPicture("titlepresents.jpg"));
    titlename->hide();
    titlepresents->hide();
}

void TForm1::createSkinsMenu()
{
    skinsbevel = makePanel(this, "skinsbevel", {0, 0, 257, 177});
    auto* list = makeList(skinsbevel, "skinsmenu1", {8, 8, 241, 69}, false);
    skinsmenu2 = makeLabel(skinsbevel, "skinsmenu2", 8, 82, designCaption("skinsmenu2"), colour::white);
    GroupBox1 = new QGroupBox(designCaption("GroupBox1"), skinsbevel);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(6, 96, 244, 74);
    setTextColour(GroupBox1, colour::white);
    auto* preview = new SkinPreview(GroupBox1);
    preview->move(2, 13);
    // Below the panel's bottom edge: never seen.
    auto* files = makeList(skinsbevel, "skinsfilelist", {8, 248, 225, 15});
    skinsbevel->hide();
    auto* error = makeLabel(this, "skinerror", 0, 0, "", colour::white, false);
    error->hide();
    skinsPanel_.attach({list, files, preview, error});
}

void TForm1::placeWidgets()
{
    const int w = screen_.width();
    const int h = screen_.height();
    setGeometry(0, 0, w, h);
    session_.game.windowWidth = w;
    session_.game.windowHeight = h;
    paper->setGeometry(0, 0, w, h);

    titlepanel->setGeometry(0, 0, w, h);
    titlename->move((w - TitleWidth) / 2, (h - TitleNameHeight - TitlePresentsHeight) / 2);
    titlepresents->move(titlename->x(), titlename->y() + TitleNameHeight);

    mainbevel->move((w - MainWidth) / 2, 3 * (h - MainHeight) / 5);
    const int left = mainbevel->x() + MainWidth;
    const int top = mainbevel->y();
    for (const auto& [panel, frame] : panelFrames())
        if (const int opener = openerOf(panel))
            frame->move(left, panelTop(top, opener));

    skinsPanel_.placeErrorAt({skinsbevel->x() + ItemLeft, skinsbevel->y() + skinsbevel->height() + 2});
    MessagePanel->move((w - MessagePanel->width()) / 2, (h - MessagePanel->height()) / 2);
    TopPanel->setPanelWidth(w);
}
