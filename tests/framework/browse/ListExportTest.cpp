#include "framework/browse/ListExport.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/FieldBindings.h"
#include "framework/Pictures.h"
#include "framework/browse/ViewManager.h"
#include "support/CatalogueTest.h"

#include <QDir>
#include <QFile>

namespace {

class ListExportTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Relate::Archief().Open();
        FieldBindings::instance().BindName(QStringLiteral("SoftwareClass"), SRT, 0);
        const char* names[] = {"plain.exe", "comma, and \"quote\".txt", "Grüße – 日本.doc",
                               "<b>&amp;</b>.htm", "line\nbreak"};
        for (int i = 0; i < 40; ++i) {
            ARC.clear();
            ARC.Naam = QString::fromUtf8(names[i % 5]) + QString::number(i);
            ARC.Soort = i % 2 ? "O'Brien's tools" : "Games";
            ARC.CdNr = quint16(i % 4 == 1 ? 0 : i);
            ARC.Size = i * 12345 + 5;
            ARC.Date = Pictures::dayNumber(1999, 12, 1 + i % 28);
            ASSERT_EQ(Access::Archief().Insert(), LevelBenign);
        }
        const FileDef& def = Dictionary::Archief();
        columns = {
            {"File Name", 157, Qt::AlignLeft, Qt::AlignLeft, "@s255", def.fieldIndex("ARC:Naam")},
            {"Cd Nr.", 23, Qt::AlignRight, Qt::AlignLeft, "@N_6B", def.fieldIndex("ARC:CdNr")},
            {"Kb", 34, Qt::AlignRight, Qt::AlignHCenter, "@N_8_.1B", def.fieldIndex("ARC:Size"), 2},
            {"Date", 39, Qt::AlignRight, Qt::AlignHCenter, "@D5B", def.fieldIndex("ARC:Date")}};
        view.Init(Relate::Archief());
        view.AddSortOrder(ArcKey::KeyNaam);
        view.SetFilter("ARC:Soort=SoftwareClass");
        path = QDir(dataDir()).filePath("list.csv");
    }
    void TearDown() override {
        view.Kill();
        Relate::Archief().Close();
        CatalogueTest::TearDown();
    }
    QByteArray read(const QString& file) {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    // The fields of a CSV text, record by record, read as RFC 4180 says.
    static std::vector<QStringList> parseCsv(const QByteArray& bytes) {
        const QString text = QString::fromUtf8(bytes);
        std::vector<QStringList> out(1);
        QString field;
        bool quoted = false;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                out.back() << field;
                field.clear();
            } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                out.back() << field;
                field.clear();
                out.emplace_back();
                ++i;
            } else {
                field += c;
            }
        }
        if (out.back().isEmpty()) out.pop_back();
        return out;
    }

    ViewManager view;
    std::vector<BrowseColumn> columns;
    QString path;
};

} // namespace

TEST_F(ListExportTest, CsvHoldsTheWholeViewInItsOrderAsTheColumnsShowIt) {
    SRT.Soort = "O'Brien's tools";
    ASSERT_EQ(view.Open(), LevelBenign);
    view.SetOrder(view.ColumnOrderText(Dictionary::Archief().fieldIndex("ARC:Size"), true));
    ListExport out(view.CopyOfView(), Dictionary::Archief(), columns, ListExport::FormatOf(path));
    ASSERT_TRUE(out.WriteAll(path, view.Count())) << out.Error().toStdString();
    const QByteArray bytes = read(path);
    const std::vector<QStringList> rows = parseCsv(bytes);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0], QStringList({"File Name", "Cd Nr.", "Kb", "Date"}));
    // Falling sizes: entry 39 first; odd entries only (the class); values as shown.
    EXPECT_EQ(rows[1], QStringList({"line\nbreak39", "39", "4 814.6", "12/12/99"}))
        << "thousands grouped, one decimal, as the column shows them";
    EXPECT_EQ(rows[2][0], QString::fromUtf8("Grüße – 日本.doc37")) << "not 38: another class";
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].size(), 4) << i;
    EXPECT_TRUE(bytes.contains("\"comma, and \"\"quote\"\".txt")) << "quotes doubled";
    EXPECT_TRUE(bytes.contains("\"line\nbreak")) << "a line end inside quotes";
    EXPECT_EQ(rows[20][1], "") << "CD number 0 shows blank";
    EXPECT_EQ(out.Done(), 20);
    EXPECT_EQ(QDir(dataDir()).entryList({"list.csv*"}, QDir::Files), QStringList({"list.csv"}));
}

TEST_F(ListExportTest, HtmlEscapesEveryText) {
    SRT.Soort = "Games";
    ASSERT_EQ(view.Open(), LevelBenign);
    const QString html = QDir(dataDir()).filePath("list.HTML");
    EXPECT_EQ(ListExport::FormatOf(html), ListExport::Format::Html);
    ListExport out(view.CopyOfView(), Dictionary::Archief(), columns, ListExport::Format::Html,
                   "Games <&> \"all\"");
    ASSERT_TRUE(out.WriteAll(html, 0));
    const QString text = QString::fromUtf8(read(html));
    EXPECT_TRUE(text.contains("<title>Games &lt;&amp;&gt; &quot;all&quot;</title>"));
    EXPECT_TRUE(text.contains("<td>&lt;b&gt;&amp;amp;&lt;/b&gt;.htm18</td>"));
    EXPECT_EQ(text.count("<tr>"), 21);
    EXPECT_TRUE(text.contains("<th>Kb</th>"));
    EXPECT_TRUE(text.contains("<td class=\"r\">"));
    EXPECT_TRUE(text.endsWith("</html>\n"));
}

TEST_F(ListExportTest, ACancelledOrFailedExportLeavesNoFileAndTheOldOneWhole) {
    SRT.Soort = "Games";
    ASSERT_EQ(view.Open(), LevelBenign);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier export\r\n");
    }
    ListExport out(view.CopyOfView(), Dictionary::Archief(), columns, ListExport::Format::Csv);
    ASSERT_TRUE(out.Begin(path, view.Count()));
    EXPECT_EQ(out.Write(5), ListExport::Step::Busy);
    EXPECT_EQ(out.Done(), 5);
    out.Cancel();
    EXPECT_EQ(read(path), "earlier export\r\n");
    EXPECT_EQ(QDir(dataDir()).entryList({"list.csv*"}, QDir::Files), QStringList({"list.csv"}));

    int calls = 0;
    ListExport stopped(view.CopyOfView(), Dictionary::Archief(), columns, ListExport::Format::Csv);
    EXPECT_FALSE(stopped.WriteAll(
        path, 20, [&](qint64, qint64) { return ++calls < 2; }, 4));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(read(path), "earlier export\r\n");

    ListExport nowhere(view.CopyOfView(), Dictionary::Archief(), columns, ListExport::Format::Csv);
    EXPECT_FALSE(nowhere.WriteAll(QDir(dataDir()).filePath("no/such/dir/list.csv"), 20));
    EXPECT_FALSE(nowhere.Error().isEmpty());
}
