// The window's widgets: where each stands, its caption and colour at start.
#include "layout.h"

#include "captions.h"
#include "keybindings.h"
#include "levels.h"
#include "padkeys.h"
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

void createSubmenus(QWidget* form, WindowWidgets& ui)
{
    ui.newbevel = makePanel(form, "newbevel", {0, 0, 240, 41});
    ui.newmenu1 = makeItem(ui.newbevel, "newmenu1", 0, colour::white);
    ui.newmenu2 = makeItem(ui.newbevel, "newmenu2", 1, colour::gray);

    ui.loadbevel = makePanel(form, "loadbevel", {0, 0, 257, 117});
    ui.loadmenu = makeList(ui.loadbevel, "loadmenu", {8, 8, 241, 97});

    ui.savebevel = makePanel(form, "savebevel", {0, 0, 257, 141});
    ui.savemenu1 = new QLineEdit(ui.savebevel);
    ui.savemenu1->setObjectName("savemenu1");
    ui.savemenu1->setGeometry(8, 8, 241, 21);
    setBold(ui.savemenu1);
    setFieldColours(ui.savemenu1, colour::white, colour::black);
    ui.savemenu1->setFrame(false);
    ui.savemenu2 = makeList(ui.savebevel, "savemenu2", {8, 32, 241, 97});

    ui.keysbevel = makePanel(form, "keysbevel", {0, 0, KeysPanelWidth, 205});
    for (int i = 0; i < HotkeyCount; ++i) {
        const QString action = QString("keysmenu%1").arg(i + 1);
        ui.keysmenu[i] = makeItem(ui.keysbevel, action.toLatin1().constData(), i, colour::white);
        ui.keysmenuKeys[i] = makeBox(ui.keysbevel, QString("keysmenu%1_%1").arg(i + 1),
                                     {KeyNameLeft, lineTop(i), KeyNameWidth, 13}, uiText(NoKeyName), colour::white);
        setBackground(ui.keysmenuKeys[i], colour::gray);
        ui.keysmenuPad[i] = makeBox(ui.keysbevel, QString("keysmenu%1_pad").arg(i + 1),
                                    {PadNameLeft, lineTop(i), PadNameWidth, 13}, uiText(padNameOf(i)), colour::white);
        if (!padNameOf(i).empty())
            setBackground(ui.keysmenuPad[i], colour::navy);
    }

    ui.aboutbevel = makePanel(form, "aboutbevel", {0, 0, 240, 61});
    ui.aboutmenu1 = makeLabel(ui.aboutbevel, "aboutmenu1", ItemLeft, lineTop(0), "Internal levels:", colour::white);
    ui.aboutmenu1_1 = makeLabel(ui.aboutbevel, "aboutmenu1_1", 154, lineTop(0), QString::number(BuiltinLevelCount),
                                colour::white);
    ui.aboutmenu2 = makeLabel(ui.aboutbevel, "aboutmenu2", ItemLeft, lineTop(1), "External levels:", colour::white);
    // Right-aligned: whatever the count, its text ends at 169.
    ui.aboutmenu2_2 = makeBox(ui.aboutbevel, "aboutmenu2_2", {129, lineTop(1), 40, 13}, "0", colour::white);
    ui.aboutmenu2_2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.aboutmenu3 = makeItem(ui.aboutbevel, "aboutmenu3", 2, colour::white);

    for (QFrame* panel : {ui.newbevel, ui.loadbevel, ui.savebevel, ui.keysbevel, ui.aboutbevel})
        panel->hide();
}

void createMenus(QWidget* form, WindowWidgets& ui)
{
    ui.mainbevel = makePanel(form, "mainbevel", {0, 0, MainWidth, MainHeight});
    struct Item {
        QLabel** label;
        const char* name;
        QColor colour;
        const char* arrow;  // the ">" of an item that opens a panel
    };
    const Item items[] = {
        {&ui.menu1, "menu1", colour::aqua, "Label1"},    {&ui.menu2, "menu2", colour::gray, nullptr},
        {&ui.menu110, "menu110", colour::gray, nullptr}, {&ui.menu3, "menu3", colour::white, "Label2"},
        {&ui.menu4, "menu4", colour::gray, "Label3"},    {&ui.menu5, "menu5", colour::white, "Label5"},
        {&ui.menu6, "menu6", colour::white, "Label4"},   {&ui.menu7, "menu7", colour::white, "Label8"},
        {&ui.menu8, "menu8", colour::white, "Label6"},   {&ui.menu9, "menu9", colour::white, nullptr},
    };
    int line = 0;
    for (const Item& item : items) {
        *item.label = makeItem(ui.mainbevel, item.name, line, item.colour);
        if (item.arrow)
            makeLabel(ui.mainbevel, item.arrow, ArrowLeft, lineTop(line), ">", colour::white, false);
        ++line;
    }

    ui.languagebevel = makePanel(form, "languagebevel", {0, 0, 240, 45});
    ui.Image1 = makePicture(ui.languagebevel, "Image1", {8, 7, 29, 15}, builtinPicture("flag_en.bmp"));
    ui.languagemenu1 = makeLabel(ui.languagebevel, "languagemenu1", 48, lineTop(0), designCaption("languagemenu1"),
                                 colour::white);
    ui.Image2 = makePicture(ui.languagebevel, "Image2", {8, 23, 29, 15}, builtinPicture("flag_ru.bmp"));
    ui.languagemenu2 = makeLabel(ui.languagebevel, "languagemenu2", 48, lineTop(1), designCaption("languagemenu2"),
                                 colour::white);
    ui.languagebevel->hide();
}

void createTitle(QWidget* form, WindowWidgets& ui)
{
    ui.titlepanel = makePanel(form, "titlepanel", {});
    ui.titlename = makePicture(ui.titlepanel, "titlename", {0, 0, TitleWidth, TitleNameHeight},
                               builtinPicture("titlename.jpg"));
    ui.titlepresents = makePicture(ui.titlepanel, "titlepresents", {0, 0, TitleWidth, TitlePresentsHeight},
                                   builtinPicture("titlepresents.jpg"));
    ui.titlename->hide();
    ui.titlepresents->hide();
}

void createSkinsMenu(QWidget* form, WindowWidgets& ui, SkinsPanel& skinsPanel)
{
    ui.skinsbevel = makePanel(form, "skinsbevel", {0, 0, 257, 177});
    auto* list = makeList(ui.skinsbevel, "skinsmenu1", {8, 8, 241, 69}, false);
    ui.skinsmenu2 = makeLabel(ui.skinsbevel, "skinsmenu2", 8, 82, designCaption("skinsmenu2"), colour::white);
    ui.GroupBox1 = new QGroupBox(designCaption("GroupBox1"), ui.skinsbevel);
    ui.GroupBox1->setObjectName("GroupBox1");
    ui.GroupBox1->setGeometry(6, 96, 244, 74);
    setTextColour(ui.GroupBox1, colour::white);
    auto* preview = new SkinPreview(ui.GroupBox1);
    preview->move(2, 13);
    // Below the panel's bottom edge: never seen.
    auto* files = makeList(ui.skinsbevel, "skinsfilelist", {8, 248, 225, 15});
    ui.skinsbevel->hide();
    auto* error = makeLabel(form, "skinerror", 0, 0, "", colour::white, false);
    error->hide();
    skinsPanel.attach({list, files, preview, error});
}

}  // namespace

// Creation order is stacking order: the pictures lie beneath every panel, the
// title panel above the main menu.
void createWindowWidgets(QWidget* form, WindowWidgets& ui, const Skin& skin, SkinsPanel& skinsPanel)
{
    ui.paper = makePicture(form, "paper", {}, builtinPicture("paper.jpg"));
    ui.paper->setScaledContents(true);
    ui.gamefield = new FieldWidget(skin, form);
    ui.gamefield->setObjectName("gamefield");
    ui.gamefield->hide();
    createSubmenus(form, ui);
    createMenus(form, ui);
    ui.TopPanel = new StatusBar(form);
    ui.TopPanel->hide();
    ui.MessagePanel = new MessageDisplay(form);
    ui.MessagePanel->hide();
    createTitle(form, ui);
    createSkinsMenu(form, ui, skinsPanel);
}

std::vector<std::pair<Panel, QFrame*>> panelFrames(const WindowWidgets& ui)
{
    return {
        {Panel::Main, ui.mainbevel},   {Panel::New, ui.newbevel},     {Panel::Load, ui.loadbevel},
        {Panel::Save, ui.savebevel},   {Panel::Keys, ui.keysbevel},   {Panel::About, ui.aboutbevel},
        {Panel::Skins, ui.skinsbevel}, {Panel::Language, ui.languagebevel},
    };
}

void layOutWidgets(const WindowWidgets& ui, QSize screen, SkinsPanel& skinsPanel)
{
    const int w = screen.width();
    const int h = screen.height();
    ui.paper->setGeometry(0, 0, w, h);

    ui.titlepanel->setGeometry(0, 0, w, h);
    ui.titlename->move((w - TitleWidth) / 2, (h - TitleNameHeight - TitlePresentsHeight) / 2);
    ui.titlepresents->move(ui.titlename->x(), ui.titlename->y() + TitleNameHeight);

    ui.mainbevel->move((w - MainWidth) / 2, 3 * (h - MainHeight) / 5);
    const int left = ui.mainbevel->x() + MainWidth;
    const int top = ui.mainbevel->y();
    for (const auto& [panel, frame] : panelFrames(ui))
        if (const int opener = openerOf(panel))
            frame->move(left, panelTop(top, opener));

    skinsPanel.placeErrorAt({ui.skinsbevel->x() + ItemLeft, ui.skinsbevel->y() + ui.skinsbevel->height() + 2});
    ui.MessagePanel->move((w - ui.MessagePanel->width()) / 2, (h - ui.MessagePanel->height()) / 2);
    ui.TopPanel->setPanelWidth(w);
}
