#pragma once
// The measured work, shared by the timing program and the memory program: a parse of a
// generated newsletter, the stock check and the import against a heavy user's lists, and the
// main window's start and close over a heavy user's files.

#include <memory>
#include <string>
#include <string_view>

#include "heavy_user.h"
#include "ledger/contest_check.h"
#include "platform/memory_platform.h"
#include "shell/application.h"
#include "ui/program.h"

namespace bench {

inline constexpr long kNewsletterLines = 200000;
inline constexpr unsigned kSeed = 20010510;

// The extraction window on a headless desktop whose clipboard holds the newsletter.
class ParseRun {
public:
    explicit ParseRun(std::string_view newsletter);
    // Runs the format's parser over the clipboard; returns the number of titles it found.
    long parse(int code);
    // Only what every parser does before its scan: the lists cleared, the state reset and the
    // clipboard read into lines. Returns the number of lines.
    long read_lines();

private:
    velmora::platform::MemoryPlatform m_platform;
    velmora::ui::Form3 m_form;
};

// The extraction window of a whole program on a headless desktop whose clipboard holds the
// newsletter, chosen from its menu: 自動判別 (every parser scored, the best shown) or 汎用.
class ChoiceRun {
public:
    explicit ChoiceRun(std::string_view newsletter);
    // 自動判別; returns the number of titles shown.
    long choose_automatically();
    // 汎用; returns the number of titles shown.
    long choose_generic();
    // The format 自動判別 chose last (its MailNo).
    long chosen();

private:
    velmora::platform::MemoryPlatform m_platform;
    velmora::ui::Program m_program;
};

// A program holding the heavy user's history and stock list, every question of the stock check
// switched off (as a user who imports in bulk sets the Option menu).
class LedgerRun {
public:
    explicit LedgerRun(const HeavyUser& user);
    // The stock check of one contest; the entry it stocks is taken off again afterwards so
    // that every run checks the same lists. Returns the check's result.
    // With `save` ByCaller the check leaves zov5.ini alone, as it does inside the import.
    std::string check(std::string_view contest,
                      velmora::ledger::StockSave save = velmora::ledger::StockSave::EachCheck);
    // The continuous import of the whole import text; returns the number of stock entries.
    long import(std::string_view text);
    // Restores the lists the import changed.
    void reset(const HeavyUser& user);
    // A message box that found no answer (a question that should have been switched off).
    bool asked() const { return m_platform.unanswered().has_value(); }

private:
    velmora::platform::MemoryPlatform m_platform;
    velmora::ui::Program m_program;
};

// A headless desktop whose program directory holds the heavy user's files.
class StartRun {
public:
    explicit StartRun(const HeavyUser& user);
    // Creates the program and loads its main window; returns the number of history records.
    long start();
    // Closes the main window (the data files are saved).
    void close();
    const std::filesystem::path& directory() const { return m_dir; }

private:
    velmora::platform::MemoryPlatform m_platform;
    std::filesystem::path m_dir;
    std::unique_ptr<velmora::shell::Application> m_app;
};

}  // namespace bench
