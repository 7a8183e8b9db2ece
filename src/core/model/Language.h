#pragma once

namespace torvalet {

// The language in force, by the index that the settings file's iLanguage holds: 0 English,
// 1 Russian, 2 Macedonian, 3 Hellenic. The window's captions come from the language's file; the
// program's own messages from the message table (model/Messages.h), which has a text for each
// language.
//
// A language reads as its index wherever an index is expected (file names, lookup tables, the
// Language menu); it is made from a number only on purpose, as Language(index).
class Language {
public:
    static const Language english;
    static const Language russian;
    static const Language macedonian;
    static const Language hellenic;

    constexpr Language() = default;
    // Any index that the file holds: one out of 0..3 is kept as it is and shows English messages.
    constexpr explicit Language(int index) : index_(index) {}

    constexpr int index() const { return index_; }
    constexpr operator int() const { return index_; }

    // Russian and Macedonian take the Russian help; English, Hellenic and an unknown index the
    // English one.
    constexpr bool takesRussianMessages() const;

    friend constexpr bool operator==(Language, Language) = default;

private:
    int index_ = 0;
};

inline constexpr Language Language::english{0};
inline constexpr Language Language::russian{1};
inline constexpr Language Language::macedonian{2};
inline constexpr Language Language::hellenic{3};

constexpr bool Language::takesRussianMessages() const { return *this == russian || *this == macedonian; }

}  // namespace torvalet
