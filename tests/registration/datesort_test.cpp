#include "registration/datesort.h"

#include "store/dates.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One row per date, named by its course; its strokes and extended text carry the name too,
// so a row that moves without its own strokes or extended text shows.
store::Tables tablesOf(const std::vector<std::pair<QString, QString>> &rows)
{
    store::Tables tables;
    for (const auto &[datum, name] : rows) {
        store::RoundRow round;
        round[store::kDatum] = datum;
        round[store::kBannamn] = name;
        tables.rundtabell.push_back(round);
        store::StrokeRow strokes;
        strokes[0] = store::Held::fromText(name);
        strokes[17] = store::Held::fromText(name + u'!');
        tables.slagtabell.push_back(strokes);
        tables.utokad_tabell.push_back(u'I' + name);
    }
    return tables;
}

QString orderOf(const store::Tables &tables, int rows)
{
    QString order;
    for (int r = 0; r < rows; ++r) {
        const QString &name = tables.rundtabell[r][store::kBannamn];
        EXPECT_EQ(tables.slagtabell[r][0], store::Held::fromText(name));
        EXPECT_EQ(tables.slagtabell[r][17], store::Held::fromText(name + u'!'));
        EXPECT_EQ(tables.utokad_tabell[r], u'I' + name);
        order += name;
    }
    return order;
}

} // namespace

TEST(DateSort, ExchangesRowsExactlyAsTheExchangeSortDoes)
{
    struct Case
    {
        const char *what;
        std::vector<std::pair<QString, QString>> rows;
        QString order; // worked through the exchanges by hand
    };
    const QString may = u"2004-05-01"_s, june = u"2004-06-01"_s, july = u"2004-07-01"_s;
    const Case cases[] = {
        {"sorted rows stay", {{may, u"A"_s}, {june, u"B"_s}, {july, u"C"_s}}, u"ABC"_s},
        {"equal dates never exchange", {{june, u"A"_s}, {june, u"B"_s}, {june, u"C"_s}}, u"ABC"_s},
        // A stable sort would give CABD.
        {"an earlier row passes equal dates",
         {{june, u"A"_s}, {june, u"B"_s}, {may, u"C"_s}, {june, u"D"_s}},
         u"CBAD"_s},
        // A stable sort would give BDACE.
        {"unsorted rows",
         {{july, u"E"_s}, {june, u"A"_s}, {may, u"B"_s}, {june, u"C"_s}, {may, u"D"_s}},
         u"BDCAE"_s},
        {"year before month before day",
         {{u"2005-01-01"_s, u"A"_s}, {u"2004-12-31"_s, u"B"_s}, {u"2004-12-30"_s, u"C"_s}},
         u"CBA"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        store::Tables tables = tablesOf(c.rows);
        const int last = int(c.rows.size()) - 1;
        registration::datumsortering(tables, last);
        EXPECT_EQ(orderOf(tables, last + 1), c.order);
    }
}

TEST(DateSort, OnlyRowsUpToLastTakePart)
{
    store::Tables tables =
        tablesOf({{u"2004-06-01"_s, u"A"_s}, {u"2004-05-01"_s, u"B"_s}, {u"2004-01-01"_s, u"C"_s}});
    registration::datumsortering(tables, 1);
    EXPECT_EQ(orderOf(tables, 3), u"BAC");
}

// The exchange sort written out over whole rows, as the rule states it.
std::vector<std::pair<QString, QString>> exchangeSorted(std::vector<std::pair<QString, QString>> rows)
{
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        for (std::size_t k = i + 1; k < rows.size(); ++k)
            if (store::isEarlier(store::readDate(rows[k].first), store::readDate(rows[i].first)))
                std::swap(rows[i], rows[k]);
    return rows;
}

TEST(DateSort, GivesTheExchangeSortsOrderOnManyRows)
{
    std::mt19937 random(2004);
    // From many equal dates to nearly all different; the newest row anywhere among them.
    for (const int dates : {3, 40, 400, 5000}) {
        SCOPED_TRACE(dates);
        std::vector<std::pair<QString, QString>> rows;
        for (int r = 0; r < 301; ++r) {
            const int day = int(random() % unsigned(dates));
            const QChar zero = u'0';
            rows.emplace_back(u"%1-%2-%3"_s.arg(1990 + day / 300)
                                  .arg(1 + day / 25 % 12, 2, 10, zero)
                                  .arg(1 + day % 25, 2, 10, zero),
                              u"R%1,"_s.arg(r));
        }
        store::Tables tables = tablesOf(rows);
        registration::datumsortering(tables, int(rows.size()) - 1);
        QString expected;
        for (const auto &row : exchangeSorted(rows))
            expected += row.second;
        EXPECT_EQ(orderOf(tables, int(rows.size())), expected);
    }
}
