#pragma once

#include <string_view>

namespace pel {

enum Language : int { kRussian = 0, kEnglish = 1 };

// A text in both interface languages.
struct Phrase {
    std::string_view russian;
    std::string_view english;

    // Russian for 0, English for any other value.
    [[nodiscard]] std::string_view In(int language) const {
        return language == kRussian ? russian : english;
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

}  // namespace texts

}  // namespace pel
