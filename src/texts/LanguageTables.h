#pragma once

#include <string_view>

namespace pel {

enum Language : int { kRussian = 0, kEnglish = 1 };

// A text in both interface languages.
struct Phrase {
    std::string_view russian;
    std::string_view english;

    // Russian for 0, English for any other value: texts picked at use and
    // list items.
    [[nodiscard]] std::string_view In(int language) const {
        return language == kRussian ? russian : english;
    }
    // What the language switch assigns: English for 1 only. Any other value
    // gets the Russian column, the design text the forms show until then.
    [[nodiscard]] std::string_view Assigned(int language) const {
        return language == kEnglish ? english : russian;
    }
};

namespace texts {

inline constexpr Phrase kDeleteItem{"Удалить объект", "Delete Item"};
inline constexpr Phrase kChangeUrl{"Изменить URL", "Change URL"};
inline constexpr Phrase kAddObject{"Добавить объект ", "Add Item"};
inline constexpr Phrase kAddFiles{"Файл", "File"};
inline constexpr Phrase kAddFolder{"Папка", "Path"};
inline constexpr Phrase kAddUrlFromBuffer{"URL из буфера", "URL from buffer"};
inline constexpr Phrase kAddUrl{"URL", "URL"};
inline constexpr Phrase kAddSeparator{"Разделитель", "Separator"};
inline constexpr Phrase kChangeIcon{"Настроить значок", "Change Icon"};
inline constexpr Phrase kOpenIcon{"Выбрать...", "Select..."};
inline constexpr Phrase kDefaultIcon{"По умолчанию", "Default"};
inline constexpr Phrase kPreferences{"Настройки программы", "Settings"};
inline constexpr Phrase kAutoHide{"Автоматически убирать с экрана", "AutoHide"};
inline constexpr Phrase kFixedIcons{"Закрепить значки", "Lock Icons"};
inline constexpr Phrase kAbout{"О программе", "About"};
inline constexpr Phrase kQuit{"Выход", "Quit"};

// The preferences dialog.
inline constexpr Phrase kPrefCaption{"Настройка программы", "Settings"};
inline constexpr Phrase kOkButton{"Принять", "Ok"};
inline constexpr Phrase kCancelButton{"Отмена", "Cancel"};
inline constexpr Phrase kMouseScroll{"Прокрутка подведением курсора к кнопкам",
                                     "Scrolling with Mouse on Buttons"};
inline constexpr Phrase kButtonPositionLabel{"Расположение кнопок прокрутки:",
                                             "Position of the Buttons of Rolling:"};
inline constexpr Phrase kAddToEnd{"Добавлять значки в конец ленты", "Add Icons to End"};
inline constexpr Phrase kDeleteWithMouse{"Удалять с помощью мыши", "Use Mouse for Delete"};
inline constexpr Phrase kDeleteConfirm{"Удалять с подтверждением", "Delete with Confirmation"};
inline constexpr Phrase kAutoStart{"Автозагрузка программы", "Run at Startup"};
inline constexpr Phrase kMonitorLabel{"Монитор:", "Monitor:"};
inline constexpr Phrase kScreenPositionLabel{"Положение на экране:", "Screen Position:"};
inline constexpr Phrase kVisibleCountLabel{
    "Количество видимых значков (зависит от количества объектов и разрешения экрана):",
    "Amount Visible Icons:"};
inline constexpr Phrase kOffsetXLabel{"Сдвиг по горизонтали:", "Offset of Horizontal:"};
inline constexpr Phrase kOffsetYLabel{"Сдвиг по вертикали:", "Offset of Vertical:"};
inline constexpr Phrase kResetOffset{"Сброс сдвигов", "Reset Offset"};
inline constexpr Phrase kBackgroundLabel{"Цвет фона области значков:", "Background of Icons:"};
inline constexpr Phrase kStartColorLabel{"Начальный цвет:", "Start Color:"};
inline constexpr Phrase kEndColorLabel{"Конечный цвет:", "End Color:"};
inline constexpr Phrase kGradient{"Использовать градиентный фон", "Use Gradient Background"};
inline constexpr Phrase kReverseColor{"Реверс цветов", "Reverse Color"};
inline constexpr Phrase kOutlineColorLabel{"Цвет обводки надписи:", "Outline Color:"};
inline constexpr Phrase kFontButton{"Шрифт надписи", "Select Font"};
inline constexpr Phrase kShowHint{"Показывать надпись", "Show Icons Labels"};
inline constexpr Phrase kSample{"Пример", "Example"};

// Names a screen reader gives the bar's scroll buttons (back, forward, on a
// row and on a column), what doing an element's default action does, and the
// titles of the dialog's pages, which only a screen reader speaks.
inline constexpr Phrase kScrollLeft{"Прокрутить влево", "Scroll left"};
inline constexpr Phrase kScrollRight{"Прокрутить вправо", "Scroll right"};
inline constexpr Phrase kScrollUp{"Прокрутить вверх", "Scroll up"};
inline constexpr Phrase kScrollDown{"Прокрутить вниз", "Scroll down"};
inline constexpr Phrase kOpenAction{"Открыть", "Open"};
inline constexpr Phrase kPressAction{"Нажать", "Press"};
inline constexpr Phrase kPageGeneral{"Общие", "General"};
inline constexpr Phrase kPageSizePosition{"Размер и расположение", "Size and Position"};
inline constexpr Phrase kPageStyle{"Стиль", "Style"};

// Items of the dialog's lists whose texts follow the language.
inline constexpr Phrase kEdgeTop{"Сверху", "Top"};
inline constexpr Phrase kEdgeBottom{"Внизу", "Bottom"};
inline constexpr Phrase kEdgeLeft{"Слева", "Left"};
inline constexpr Phrase kEdgeRight{"Справа", "Right"};
inline constexpr Phrase kMonitorItem{"Монитор ", "Monitor "};  // then the number from 1
inline constexpr Phrase kSymmetric{"Симметрично", "Symmetrically"};

// Shown the same in both languages.
inline constexpr std::string_view kReverseColorTooltip = "Реверс оттенков";
inline constexpr std::string_view kRussianName = "Русский";
inline constexpr std::string_view kEnglishName = "English";

inline constexpr Phrase kDeleteQuestionPrefix{"Вы действительно хотите удалить значок \"",
                                              "Do you want delete this icon \""};
inline constexpr std::string_view kDeleteQuestionSuffix = "\" ?";
inline constexpr Phrase kAddUrlCaption{"Добавить URL-адрес", "Add URL adress"};
inline constexpr Phrase kAddUrlPrompt{"Введите URL-адрес:", "Enter URL adress:"};
inline constexpr Phrase kChangeUrlCaption{"Изменить URL-адрес", "Change URL adress"};
inline constexpr Phrase kChangeUrlPrompt{"Введите новый URL-адрес:", "Enter new URL adress:"};
inline constexpr Phrase kAboutText{
    "Панель для быстрого запуска часто используемых программ,\r\nдокументов (файлов, папок) и "
    "URL-адресов.",
    "Program for launch applications, documents (files and folders) and URL addresses."};
// Told once at start; the file's full path follows on a line of its own.
inline constexpr Phrase kDataFileMovedAside{
    "Файл данных повреждён. Он сохранён под новым именем, а панель начинает с нового списка:",
    "The data file is damaged. It was kept under a new name, and the bar starts with a new "
    "list:"};
inline constexpr Phrase kDataFileNotKept{
    "Файл данных сейчас недоступен. Изменения, сделанные до выхода из программы, в нём не "
    "сохранятся:",
    "The data file cannot be used now. The changes made until the bar is closed will not be "
    "kept in it:"};

}  // namespace texts

}  // namespace pel
