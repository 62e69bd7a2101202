// The German words the demo database is made of: names, companies, places, products, note texts.
#pragma once

#include <QStringList>

namespace actserver {

struct ActDemoPlace
{
    const char *zip;
    const char *city;
    const char *state;
    const char *country;
    const char *areaCode;
};

class ActDemoNames
{
public:
    static const QStringList &maleFirstNames();
    static const QStringList &femaleFirstNames();
    static const QStringList &lastNames();
    static const QStringList &companyWords();
    static const QStringList &companyForms();
    static const QStringList &streets();
    static const QList<ActDemoPlace> &places();
    static const QStringList &industries();
    static const QStringList &statusWords();
    static const QStringList &jobTitles();
    static const QStringList &departments();
    static const QStringList &remarks();
    static const QStringList &products();
    static const QStringList &competitors();
    static const QStringList &salesStages();
    static const QStringList &activitySubjects();
    static const QStringList &meetingPlaces();
    static const QStringList &activityResults();
    static const QStringList &activityCategories();
    static const QStringList &noteSentences();
    static const QStringList &attachments();
    static const QStringList &emailSubjects();

    // Main groups, each followed by its subgroups (a leading "-" marks a subgroup).
    static const QStringList &groups();

    // The name in a form fit for an e-mail address: lower case, umlauts spelt out, blanks dropped.
    static QString asciiFold(const QString &text);
};

} // namespace actserver
