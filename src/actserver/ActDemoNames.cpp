// The German words the demo database is made of.
#include "ActDemoNames.h"

namespace actserver {

const QStringList &ActDemoNames::maleFirstNames()
{
    static const QStringList l = {
        QStringLiteral("Jürgen"),     QStringLiteral("Jörg"),     QStringLiteral("Björn"),
        QStringLiteral("Sören"),      QStringLiteral("Thomas"),   QStringLiteral("Michael"),
        QStringLiteral("Andreas"),    QStringLiteral("Stefan"),   QStringLiteral("Frank"),
        QStringLiteral("Uwe"),        QStringLiteral("Klaus"),    QStringLiteral("Günter"),
        QStringLiteral("Hans-Peter"), QStringLiteral("Matthias"), QStringLiteral("Jens"),
        QStringLiteral("Lukas"),      QStringLiteral("Jonas"),    QStringLiteral("Maximilian"),
        QStringLiteral("Dieter"),     QStringLiteral("Rüdiger"),
    };
    return l;
}

const QStringList &ActDemoNames::femaleFirstNames()
{
    static const QStringList l = {
        QStringLiteral("Anna"),       QStringLiteral("Käthe"),  QStringLiteral("Jasmin"), QStringLiteral("Sabine"),
        QStringLiteral("Petra"),      QStringLiteral("Ursula"), QStringLiteral("Monika"), QStringLiteral("Birgit"),
        QStringLiteral("Susanne"),    QStringLiteral("Bärbel"), QStringLiteral("Heike"),  QStringLiteral("Claudia"),
        QStringLiteral("Anne-Marie"), QStringLiteral("Jülide"), QStringLiteral("Lea"),    QStringLiteral("Sophie"),
        QStringLiteral("Doris"),      QStringLiteral("Gisela"), QStringLiteral("Renate"), QStringLiteral("Zoë"),
    };
    return l;
}

const QStringList &ActDemoNames::lastNames()
{
    static const QStringList l = {
        QStringLiteral("Müller"),     QStringLiteral("Schäfer"),  QStringLiteral("Weiß"),
        QStringLiteral("Groß"),       QStringLiteral("Köhler"),   QStringLiteral("Krüger"),
        QStringLiteral("Jäger"),      QStringLiteral("Hübner"),   QStringLiteral("Böhm"),
        QStringLiteral("Fuß"),        QStringLiteral("Schröder"), QStringLiteral("Günther"),
        QStringLiteral("Löffler"),    QStringLiteral("Dürr"),     QStringLiteral("Schmidt"),
        QStringLiteral("Schneider"),  QStringLiteral("Fischer"),  QStringLiteral("Wagner"),
        QStringLiteral("Becker"),     QStringLiteral("Hoffmann"), QStringLiteral("Koch"),
        QStringLiteral("Richter"),    QStringLiteral("Klein"),    QStringLiteral("Wolf"),
        QStringLiteral("Schulze"),    QStringLiteral("Neumann"),  QStringLiteral("Schwarz"),
        QStringLiteral("Zimmermann"), QStringLiteral("Braun"),    QStringLiteral("Hofmann"),
        QStringLiteral("Lange"),      QStringLiteral("Schmitt"),  QStringLiteral("Krause"),
        QStringLiteral("Meier"),      QStringLiteral("Lehmann"),  QStringLiteral("Schmid"),
        QStringLiteral("Möller"),     QStringLiteral("Pöschl"),   QStringLiteral("Ölschläger"),
        QStringLiteral("Wöhrle"),     QStringLiteral("O'Connor"), QStringLiteral("von der Heydt"),
    };
    return l;
}

const QStringList &ActDemoNames::companyWords()
{
    static const QStringList l = {
        QStringLiteral("Süddeutsche Maschinenbau"), QStringLiteral("Bäckerei Schönfeld"),
        QStringLiteral("Nordlicht Logistik"),       QStringLiteral("Alpenblick Hotels"),
        QStringLiteral("Rheinische Druckerei"),     QStringLiteral("Elbtal Software"),
        QStringLiteral("Grünwald Gartenbau"),       QStringLiteral("Fränkische Brauerei"),
        QStringLiteral("Ostsee Reederei"),          QStringLiteral("Schwäbische Präzisionsteile"),
        QStringLiteral("Münchner Medientechnik"),   QStringLiteral("Hanse Handelskontor"),
        QStringLiteral("Weserbergland Möbel"),      QStringLiteral("Kölner Kältetechnik"),
        QStringLiteral("Bergische Werkzeuge"),      QStringLiteral("Harzer Holzbau"),
        QStringLiteral("Lüneburger Landhandel"),    QStringLiteral("Saarländische Stahlguss"),
        QStringLiteral("Thüringer Glaswerk"),       QStringLiteral("Allgäuer Käserei"),
    };
    return l;
}

const QStringList &ActDemoNames::companyForms()
{
    static const QStringList l = {QStringLiteral("GmbH"),          QStringLiteral("AG"),   QStringLiteral("KG"),
                                  QStringLiteral("GmbH & Co. KG"), QStringLiteral("e.K."), QStringLiteral("OHG")};
    return l;
}

const QStringList &ActDemoNames::streets()
{
    static const QStringList l = {
        QStringLiteral("Hauptstraße"),     QStringLiteral("Bahnhofstraße"),  QStringLiteral("Königsallee"),
        QStringLiteral("Mühlenweg"),       QStringLiteral("Am Schloßpark"),  QStringLiteral("Güterstraße"),
        QStringLiteral("Lindenstraße"),    QStringLiteral("Schillerstraße"), QStringLiteral("Goethestraße"),
        QStringLiteral("Industriestraße"), QStringLiteral("Gartenweg"),      QStringLiteral("Am Hafen"),
        QStringLiteral("Marktplatz"),      QStringLiteral("Brückenstraße"),  QStringLiteral("Fürstenweg"),
    };
    return l;
}

const QList<ActDemoPlace> &ActDemoNames::places()
{
    static const QList<ActDemoPlace> l = {
        {"80331", "München", "Bayern", "Deutschland", "89"},
        {"50667", "Köln", "Nordrhein-Westfalen", "Deutschland", "221"},
        {"20095", "Hamburg", "Hamburg", "Deutschland", "40"},
        {"10115", "Berlin", "Berlin", "Deutschland", "30"},
        {"70173", "Stuttgart", "Baden-Württemberg", "Deutschland", "711"},
        {"01067", "Dresden", "Sachsen", "Deutschland", "351"},
        {"90402", "Nürnberg", "Bayern", "Deutschland", "911"},
        {"04109", "Leipzig", "Sachsen", "Deutschland", "341"},
        {"60311", "Frankfurt am Main", "Hessen", "Deutschland", "69"},
        {"30159", "Hannover", "Niedersachsen", "Deutschland", "511"},
        {"97070", "Würzburg", "Bayern", "Deutschland", "931"},
        {"48143", "Münster", "Nordrhein-Westfalen", "Deutschland", "251"},
        {"78462", "Konstanz", "Baden-Württemberg", "Deutschland", "7531"},
        {"66111", "Saarbrücken", "Saarland", "Deutschland", "681"},
        {"99084", "Erfurt", "Thüringen", "Deutschland", "361"},
        {"18055", "Rostock", "Mecklenburg-Vorpommern", "Deutschland", "381"},
        {"24103", "Kiel", "Schleswig-Holstein", "Deutschland", "431"},
        {"28195", "Bremen", "Bremen", "Deutschland", "421"},
        {"39104", "Magdeburg", "Sachsen-Anhalt", "Deutschland", "391"},
        {"14467", "Potsdam", "Brandenburg", "Deutschland", "331"},
        {"55116", "Mainz", "Rheinland-Pfalz", "Deutschland", "6131"},
        {"37073", "Göttingen", "Niedersachsen", "Deutschland", "551"},
        {"1010", "Wien", "Wien", "Österreich", "1"},
        {"8001", "Zürich", "Zürich", "Schweiz", "44"},
    };
    return l;
}

const QStringList &ActDemoNames::industries()
{
    static const QStringList l = {
        QStringLiteral("Maschinenbau"),     QStringLiteral("Einzelhandel"),
        QStringLiteral("Gastronomie"),      QStringLiteral("Softwareentwicklung"),
        QStringLiteral("Handwerk"),         QStringLiteral("Logistik"),
        QStringLiteral("Gesundheitswesen"), QStringLiteral("Öffentlicher Dienst"),
        QStringLiteral("Druck und Medien"), QStringLiteral("Lebensmittel"),
        QStringLiteral("Bauwesen"),         QStringLiteral("Energieversorgung"),
    };
    return l;
}

const QStringList &ActDemoNames::statusWords()
{
    static const QStringList l = {QStringLiteral("KUNDE"),   QStringLiteral("INTERESSENT"), QStringLiteral("LIEFERANT"),
                                  QStringLiteral("PARTNER"), QStringLiteral("PRESSE"),      QStringLiteral("EHEMALIG")};
    return l;
}

const QStringList &ActDemoNames::jobTitles()
{
    static const QStringList l = {
        QStringLiteral("Geschäftsführung"),
        QStringLiteral("Leitung Einkauf"),
        QStringLiteral("Leitung Vertrieb"),
        QStringLiteral("Prokura"),
        QStringLiteral("Assistenz der Geschäftsführung"),
        QStringLiteral("Inhaber/in"),
        QStringLiteral("Leitung Buchhaltung"),
        QStringLiteral("Technische Leitung"),
        QStringLiteral("Sachbearbeitung"),
        QStringLiteral("Projektleitung"),
    };
    return l;
}

const QStringList &ActDemoNames::departments()
{
    static const QStringList l = {QStringLiteral("Einkauf"),
                                  QStringLiteral("Vertrieb"),
                                  QStringLiteral("Geschäftsführung"),
                                  QStringLiteral("Buchhaltung"),
                                  QStringLiteral("Technik"),
                                  QStringLiteral("Personalwesen"),
                                  QStringLiteral("Qualitätssicherung"),
                                  QStringLiteral("Marketing")};
    return l;
}

const QStringList &ActDemoNames::remarks()
{
    static const QStringList l = {
        QStringLiteral("Bevorzugt Rückrufe am Vormittag."),
        QStringLiteral("Hat auf der Messe großes Interesse an der Wartung gezeigt.\r\nAngebot bis Monatsende."),
        QStringLiteral("Sekretariat: Frau Öztürk, Durchwahl -12."),
        QStringLiteral("Zahlt stets pünktlich.\r\nRabattstufe B.\r\nJahresgespräch im Herbst."),
        QStringLiteral("Nur schriftliche Angebote – keine Anrufe."),
    };
    return l;
}

const QStringList &ActDemoNames::products()
{
    static const QStringList l = {
        QStringLiteral("Wartungsvertrag Premium"), QStringLiteral("Softwarelizenz Basis"),
        QStringLiteral("Schulung (2 Tage)"),       QStringLiteral("Beratungsleistung"),
        QStringLiteral("Hardware-Paket Büro"),     QStringLiteral("Fräsmaschine FM-300"),
        QStringLiteral("Ersatzteilpaket Größe L"), QStringLiteral("Jahresabonnement Fachzeitschrift"),
        QStringLiteral("Kühlanlage Typ Ü-12"),     QStringLiteral("Messestand 20 m²"),
    };
    return l;
}

const QStringList &ActDemoNames::competitors()
{
    static const QStringList l = {QString(), QStringLiteral("Maier & Söhne"), QStringLiteral("TechnoPlus AG"),
                                  QStringLiteral("Dürrwang GmbH"), QStringLiteral("Nordwerk KG")};
    return l;
}

const QStringList &ActDemoNames::salesStages()
{
    static const QStringList l = {QStringLiteral("Erstkontakt"), QStringLiteral("Bedarfsanalyse"),
                                  QStringLiteral("Angebot"), QStringLiteral("Verhandlung"),
                                  QStringLiteral("Abschluss")};
    return l;
}

const QStringList &ActDemoNames::activitySubjects()
{
    static const QStringList l = {
        QStringLiteral("Angebot nachfassen"),         QStringLiteral("Jahresgespräch"),
        QStringLiteral("Lieferung prüfen"),           QStringLiteral("Messe-Nachbereitung"),
        QStringLiteral("Rückruf wegen Reklamation"),  QStringLiteral("Vertragsverlängerung besprechen"),
        QStringLiteral("Schulungstermin abstimmen"),  QStringLiteral("Glückwünsche zum Firmenjubiläum"),
        QStringLiteral("Präsentation der Neuheiten"),
    };
    return l;
}

const QStringList &ActDemoNames::meetingPlaces()
{
    static const QStringList l = {QString(),
                                  QStringLiteral("Besprechungsraum Süd"),
                                  QStringLiteral("beim Kunden"),
                                  QStringLiteral("Messehalle 4, Stand 112"),
                                  QStringLiteral("Telefonkonferenz"),
                                  QStringLiteral("Café am Marktplatz")};
    return l;
}

const QStringList &ActDemoNames::activityResults()
{
    static const QStringList l = {QString(), QStringLiteral("Termin vereinbart"), QStringLiteral("Kein Interesse"),
                                  QStringLiteral("Angebot angefordert"), QStringLiteral("Rückruf erbeten")};
    return l;
}

const QStringList &ActDemoNames::activityCategories()
{
    static const QStringList l = {QString(), QStringLiteral("Vertrieb"), QStringLiteral("Service"),
                                  QStringLiteral("Marketing"), QStringLiteral("Privat")};
    return l;
}

const QStringList &ActDemoNames::noteSentences()
{
    static const QStringList l = {
        QStringLiteral("Rückruf wegen Angebot vereinbart."),
        QStringLiteral("Unterlagen per Post geschickt."),
        QStringLiteral("Kunde wünscht Vorführung im März."),
        QStringLiteral("Preisliste 2024 übergeben."),
        QStringLiteral("Ansprechpartner hat gewechselt; neue Durchwahl notiert."),
        QStringLiteral("Reklamation über beschädigte Lieferung aufgenommen."),
        QStringLiteral("Zufrieden mit dem Service, empfiehlt uns weiter."),
        QStringLiteral("Budget erst im nächsten Quartal verfügbar."),
    };
    return l;
}

const QStringList &ActDemoNames::attachments()
{
    static const QStringList l = {QStringLiteral("C:\\Dokumente\\Angebot_4711.doc"),
                                  QStringLiteral("C:\\Dokumente\\Preisliste_2024.pdf"),
                                  QStringLiteral("C:\\Dokumente\\Gesprächsnotiz Müller.txt")};
    return l;
}

const QStringList &ActDemoNames::emailSubjects()
{
    static const QStringList l = {QStringLiteral("Ihr Angebot vom Montag"), QStringLiteral("Terminbestätigung"),
                                  QStringLiteral("Rückfrage zur Lieferung"), QStringLiteral("Einladung zur Hausmesse"),
                                  QStringLiteral("Unterlagen für das Gespräch")};
    return l;
}

const QStringList &ActDemoNames::groups()
{
    static const QStringList l = {
        QStringLiteral("Kunden"),
        QStringLiteral("-Großkunden"),
        QStringLiteral("-Kunden Süd"),
        QStringLiteral("-Kunden Nord"),
        QStringLiteral("Interessenten"),
        QStringLiteral("-Messe München 2024"),
        QStringLiteral("-Neukontakte Österreich"),
        QStringLiteral("Lieferanten"),
        QStringLiteral("-Lieferanten Übersee"),
        QStringLiteral("Presse"),
        QStringLiteral("-Fachpresse"),
        QStringLiteral("Weihnachtskarten"),
        QStringLiteral("Newsletter"),
        QStringLiteral("Archiv (leer)"),
    };
    return l;
}

QString ActDemoNames::asciiFold(const QString &text)
{
    QString out;
    for (const QChar c : text.toLower()) {
        switch (c.unicode()) {
        case u'ä':
            out += QLatin1String("ae");
            break;
        case u'ö':
            out += QLatin1String("oe");
            break;
        case u'ü':
            out += QLatin1String("ue");
            break;
        case u'ß':
            out += QLatin1String("ss");
            break;
        case u'ë':
            out += QLatin1String("e");
            break;
        default:
            if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.')
                out += c;
        }
    }
    return out;
}

} // namespace actserver
