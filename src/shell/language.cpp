#include "shell/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/catalogue.h"
#include "shell/user_guide_window_names.h"

namespace zan {

namespace {

// The translators this program installed, to be taken out again when the language changes.
constexpr const char* kTranslatorName = "zanTranslator";

QString code(std::string_view language) {
    return QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size()));
}

void installTranslator(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(kTranslatorName));
    // A missing file of Qt's (qt6-translations-l10n not installed) leaves Qt's texts English.
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

bool useLanguage(std::string_view language) {
    if (!catalogue::setLanguage(language))
        return false;
    const auto installed = QCoreApplication::instance()->findChildren<QTranslator*>(
        QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (language == catalogue::kSourceLanguage)
        return true;
    installTranslator(QStringLiteral("qtbase_") + code(language),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installTranslator(QStringLiteral("zan_") + code(language), QStringLiteral(":/translations"));
    return true;
}

QString userGuideResource() {
    const QString translated =
        QStringLiteral(":/guide/user-guide.%1.md").arg(code(catalogue::language()));
    return QFile::exists(translated) ? translated : QLatin1String(userGuideWindowNames::kResource);
}

}  // namespace zan
