// The statement run: create the statement form (which reads and fills), then preview it.
#pragma once

#include "statement/font_book.h"

#include <memory>
#include <vector>

namespace monit12 {

class TFMenu;
class TFStampa;

// The statement form that the statement run created last.
extern TFStampa *FStampa;

// Owns the statement forms of the run (there is more than one only when an error left the
// launcher open and the user started another run) and releases them newest first.
class StatementRuns
{
public:
    StatementRuns();
    ~StatementRuns();
    StatementRuns(const StatementRuns &) = delete;
    StatementRuns &operator=(const StatementRuns &) = delete;

    void run(TFMenu &launcher);

private:
    FontBook m_fonts;
    std::vector<std::unique_ptr<TFStampa>> m_forms;
};

} // namespace monit12
