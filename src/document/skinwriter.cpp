#include "skinwriter.h"

#include "safefilewriter.h"
#include "skinpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// Builds the lines of one file, each ending with a carriage return, and notes the
// first value that holds a line end: written out, it would split its line in two.
class LineBuilder
{
public:
    void begin(const QByteArray &keyword)
    {
        m_keyword = keyword;
        ++m_lineNumber;
        m_bytes += keyword;
        m_bytes += '=';
        m_firstValue = true;
    }
    void raw(const QByteArray &value)
    {
        separate();
        check(value);
        m_bytes += value;
    }
    void quoted(const QByteArray &value)
    {
        separate();
        check(value);
        m_bytes += '"';
        m_bytes += value;
        m_bytes += '"';
    }
    void path(const QByteArray &value)
    {
        QByteArray written = value;
        quoted(written.replace(':', '/'));
    }
    void end() { m_bytes += '\r'; }

    const QByteArray &bytes() const { return m_bytes; }
    const QString &lineBreakProblem() const { return m_lineBreakProblem; }

private:
    void separate()
    {
        if (!m_firstValue)
            m_bytes += ',';
        m_firstValue = false;
    }
    void check(const QByteArray &value)
    {
        if (!m_lineBreakProblem.isEmpty() || (!value.contains('\r') && !value.contains('\n')))
            return;
        m_lineBreakProblem = QStringLiteral("a value on its line %1 (%2) holds a line break.")
                                 .arg(m_lineNumber)
                                 .arg(QString::fromLatin1(m_keyword));
    }

    QByteArray m_bytes;
    QByteArray m_keyword;
    int m_lineNumber = 0;
    QString m_lineBreakProblem;
    bool m_firstValue = true;
};

void appendRecords(LineBuilder &out, const ElementTable &table, const RecordFormat &format, int plane, int keyColumn)
{
    for (int slot = 0; slot < table.slotCount(); ++slot) {
        if (!table.isUsed(plane, slot, keyColumn))
            continue;
        out.begin(format.keyword);
        for (int column = 0; column < format.columnCount; ++column) {
            const QByteArray value = table.value(plane, slot, column);
            if (format.isRaw(column))
                out.raw(value);
            else if (format.isPath(column))
                out.path(value);
            else
                out.quoted(value);
        }
        out.end();
    }
}

void appendKind(LineBuilder &out, const Skin &skin, const ElementKind &kind, int plane)
{
    appendRecords(out, skin.table(kind), *kind.format, plane, kind.writtenWhenSet);
}

void appendPageRow(LineBuilder &out, const char *keyword, const PageRow &row)
{
    out.begin(keyword);
    out.raw(row.Number);
    out.path(row.File);
    out.quoted(row.Name);
    out.end();
}

LineBuilder buildMainSkinFile(const Skin &skin)
{
    LineBuilder out;
    const auto quotedLine = [&out](const char *keyword, const QByteArray &value) {
        out.begin(keyword);
        out.quoted(value);
        out.end();
    };
    quotedLine("TITLE", skin.SkinTitle);
    quotedLine("AUTHOR", skin.SkinAuthor);
    quotedLine("COMMENT", skin.SkinComment);
    if (skin.isSkinUIColors) {
        out.begin("UICOLORS");
        for (int k = 0; k < Skin::UIColorCount; ++k)
            out.quoted(skin.SkinUIColors.value(k));
        out.end();
    }
    for (const PageRow &row : skin.PageProperties)
        appendPageRow(out, "PAGE", row);
    for (const PageRow &row : skin.PopUpProperties)
        appendPageRow(out, "POPUP", row);
    return out;
}

LineBuilder buildPageFile(const Skin &skin, int page)
{
    LineBuilder out;
    out.begin("FULLSCREEN");
    out.raw(skin.FullscreenProperties.value(page));
    out.end();
    out.begin("BACKGROUND");
    out.path(skin.BackgroundProperties.value(page));
    out.end();
    for (const ElementKind *kind : ElementKinds::inFileOrder(Surface::Page))
        appendKind(out, skin, *kind, page);
    return out;
}

LineBuilder buildPopupFile(const Skin &skin, int popup)
{
    const QList<const ElementKind *> &kinds = ElementKinds::inFileOrder(Surface::Popup);
    LineBuilder out;
    appendKind(out, skin, *kinds.at(0), popup); // LOCATION
    out.begin("BACKGROUND");
    out.path(skin.PopupBackgroundProperties.value(popup));
    out.end();
    for (int k = 1; k < kinds.size(); ++k) // POPUP_BEHAVIOUR, then the elements
        appendKind(out, skin, *kinds.at(k), popup);
    return out;
}

QString quotedText(const QByteArray &value)
{
    return QLatin1Char('"') + QString::fromLatin1(value) + QLatin1Char('"');
}

// One save: which resolved file belongs to whom, and what went wrong.
class SaveRun
{
public:
    explicit SaveRun(Skin &skin)
        : m_skin(skin)
    {
    }

    Result run()
    {
        if (!QDir::isAbsolutePath(m_skin.AbsolutPathToSkin) || !QFileInfo(m_skin.AbsolutPathToSkin).isDir()) {
            m_problems << QStringLiteral("The skin folder \"%1\" does not exist; nothing was saved.")
                              .arg(QDir::toNativeSeparators(m_skin.AbsolutPathToSkin));
            return result();
        }
        const bool mainClaimed = claimMainSkinFile();
        const QList<int> pages = claimPlaneFiles(m_skin.PageProperties, QStringLiteral("page"));
        const QList<int> popups = claimPlaneFiles(m_skin.PopUpProperties, QStringLiteral("popup"));
        deleteRemovedFiles();
        for (int page : pages)
            writePlane(m_skin.PageProperties.at(page), QStringLiteral("page"), buildPageFile(m_skin, page),
                       m_skin.PageLoadingError, page);
        for (int popup : popups)
            writePlane(m_skin.PopUpProperties.at(popup), QStringLiteral("popup"), buildPopupFile(m_skin, popup),
                       m_skin.PopupLoadingError, popup);
        if (mainClaimed)
            writeMainSkinFile();
        return result();
    }

private:
    QString mainSkinFilePath() const { return m_skin.AbsolutPathToSkin + m_skin.MainSkinFile; }

    Result result() const
    {
        if (m_problems.isEmpty())
            return {};
        return Result::failure(QStringLiteral("The skin was not saved completely:"),
                               m_problems.join(QLatin1Char('\n')));
    }

    static QString describe(const PageRow &row, const QString &kind)
    {
        return QStringLiteral("The %1 %2 (file %3)").arg(kind, quotedText(row.Name), quotedText(row.File));
    }

    bool claimMainSkinFile()
    {
        const Result safe = SkinPaths::checkWritableRelativePath(m_skin.AbsolutPathToSkin, m_skin.MainSkinFile);
        if (!safe.ok()) {
            m_problems << QStringLiteral("The main skin file was not saved: %1").arg(safe.text());
            return false;
        }
        m_owners.insert(SkinPaths::resolvedPath(mainSkinFilePath()), QStringLiteral("the main skin file"));
        return true;
    }

    // The rows whose files may be written: safe, and not already another one's file.
    QList<int> claimPlaneFiles(const QList<PageRow> &rows, const QString &kind)
    {
        QList<int> claimed;
        for (int i = 0; i < rows.size(); ++i) {
            const PageRow &row = rows.at(i);
            const Result safe = SkinPaths::checkWritableFile(m_skin.AbsolutPathToSkin, row.File);
            if (!safe.ok()) {
                m_problems << QStringLiteral("%1 was not saved: %2").arg(describe(row, kind), safe.text());
                continue;
            }
            const QString resolved = SkinPaths::resolvedPath(SkinPaths::hostPath(m_skin.AbsolutPathToSkin, row.File));
            const QString owner = m_owners.value(resolved);
            if (!owner.isEmpty()) {
                m_problems << QStringLiteral("%1 was not saved: its file is also the file of %2.")
                                  .arg(describe(row, kind), owner);
                continue;
            }
            m_owners.insert(resolved, QStringLiteral("the %1 %2").arg(kind, quotedText(row.Name)));
            claimed << i;
        }
        return claimed;
    }

    // A file that this save writes anyway is left in place, so that a failed write
    // still leaves its previous version.
    void deleteRemovedFiles()
    {
        for (const QByteArray &entry : std::as_const(m_skin.DeleteFiles)) {
            const Result safe = SkinPaths::checkWritableFile(m_skin.AbsolutPathToSkin, entry);
            if (!safe.ok()) {
                m_problems << QStringLiteral("The file of a removed page or popup was not deleted: %1").arg(safe.text());
                continue;
            }
            const QString path = SkinPaths::hostPath(m_skin.AbsolutPathToSkin, entry);
            if (!m_owners.contains(SkinPaths::resolvedPath(path)))
                QFile::remove(path); // a file that is not there or stays is passed over
        }
    }

    void writePlane(const PageRow &row, const QString &kind, const LineBuilder &built, QList<bool> &loadingErrors,
                    int index)
    {
        if (!built.lineBreakProblem().isEmpty()) {
            m_problems << QStringLiteral("%1 was not saved: %2").arg(describe(row, kind), built.lineBreakProblem());
            return;
        }
        const QString path = SkinPaths::hostPath(m_skin.AbsolutPathToSkin, row.File);
        const Result written = SafeFileWriter::write(path, built.bytes());
        if (!written.ok()) {
            m_problems << QStringLiteral("%1 was not saved. %2").arg(describe(row, kind), written.text());
            return;
        }
        if (index < loadingErrors.size())
            loadingErrors[index] = false;
    }

    void writeMainSkinFile()
    {
        const LineBuilder built = buildMainSkinFile(m_skin);
        if (!built.lineBreakProblem().isEmpty()) {
            m_problems << QStringLiteral("The main skin file \"%1\" was not saved: %2")
                              .arg(m_skin.MainSkinFile, built.lineBreakProblem());
            return;
        }
        const Result written = SafeFileWriter::write(mainSkinFilePath(), built.bytes());
        if (!written.ok())
            m_problems << written.text();
    }

    Skin &m_skin;
    QStringList m_problems; // one sentence each, naming the file or value
    QHash<QString, QString> m_owners; // resolved host path -> who writes it
};

} // namespace

Result SkinWriter::write(Skin &skin)
{
    return SaveRun(skin).run();
}

QByteArray SkinWriter::arrayToFormatedString(const ElementTable &table, const RecordFormat &format, int plane,
                                             int keyColumn)
{
    LineBuilder out;
    appendRecords(out, table, format, plane, keyColumn);
    return out.bytes();
}

QByteArray SkinWriter::mainSkinFileBytes(const Skin &skin)
{
    return buildMainSkinFile(skin).bytes();
}

QByteArray SkinWriter::pageFileBytes(const Skin &skin, int page)
{
    return buildPageFile(skin, page).bytes();
}

QByteArray SkinWriter::popupFileBytes(const Skin &skin, int popup)
{
    return buildPopupFile(skin, popup).bytes();
}
