#include "scoring/card_handicap.h"

#include "core/handicap/handicap_computation.h"
#include "core/handicap/handicap_source.h"
#include "core/handicap/handicap_store.h"
#include "core/handicap/tee_course_handicap.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_connection.h"

#include <SQLiteCpp/Database.h>

CardHandicap::CardHandicap(const QString &scorebookPath)
    : m_path(scorebookPath)
{ }

CardHandicap::~CardHandicap() = default;

SQLite::Database &CardHandicap::scorebook()
{
    if (!m_scorebook) {
        m_scorebook = openScorebookConnection(m_path);
    }
    return *m_scorebook;
}

void CardHandicap::chooseGolfer(const QString &golfer)
{
    m_index.reset();
    try {
        m_index = handicap::computeHandicap(handicap::readHandicapInputs(scorebook(), golfer)).index;
    } catch (const DatabaseError &error) {
        qWarning("The index of the golfer could not be read: %s", qUtf8Printable(error.message()));
    } catch (const SQLite::Exception &error) {
        qWarning("The index of the golfer could not be read: %s", error.what());
    }
}

void CardHandicap::chooseCourse(const QString &course, int par)
{
    m_ratings.clear();
    m_par = par;
    try {
        m_ratings = handicap::readCourseRatings(scorebook(), course);
    } catch (const DatabaseError &error) {
        qWarning("The ratings of the course could not be read: %s", qUtf8Printable(error.message()));
    }
}

void CardHandicap::forget()
{
    m_index.reset();
    m_ratings.clear();
}

std::optional<int> CardHandicap::courseHandicap(const QString &tee) const
{
    return handicap::teeCourseHandicap(m_index, m_ratings, tee, m_par);
}

void CardHandicap::storeDetails(qint64 recordNo, const handicap::RoundDetails &details)
{
    handicap::storeRoundDetails(scorebook(), {{recordNo, details}});
}
