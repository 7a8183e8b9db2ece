#include "ui/Pictures.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>

// Resources compiled into a static library are registered by name, outside any namespace.
static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace torvalet::ui {

namespace {

struct SetFolder {
    const char* folder;
    int count;
};

constexpr std::array<SetFolder, 10> kSets = {{{"goal", 55},
                                              {"link", 8},
                                              {"contact", 8},
                                              {"event", 8},
                                              {"phrase", 3},
                                              {"tool", 14},
                                              {"taskprio", 9},
                                              {"taskstate", 22},
                                              {"tasktype", 51},
                                              {"progress", 10}}};

QPixmap render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon load(Pictures::Set set, int index) {
    static const bool registered = (registerPictures(), true);
    (void)registered;
    const SetFolder& folder = kSets[set];
    const QString file =
        QStringLiteral(":/pictures/%1/%2.svg").arg(QLatin1String(folder.folder)).arg(index, 2, 10, QLatin1Char('0'));
    if (!QFile::exists(file)) return {};  // the task sets have pictures only where an index is used
    QSvgRenderer svg(file);
    if (!svg.isValid()) return {};
    QIcon icon;
    for (int size : {16, 32}) icon.addPixmap(render(svg, size));
    return icon;
}

}  // namespace

int Pictures::count(Set set) { return kSets[set].count; }

QIcon Pictures::icon(Set set, int index) {
    if (index < 0 || index >= count(set)) return {};
    static QHash<int, QIcon> cache;
    const int key = set * 100 + index;
    auto found = cache.find(key);
    if (found == cache.end()) found = cache.insert(key, load(set, index));
    return *found;
}

Pictures::Set Pictures::setOf(RecordFamily family, bool linkTags) {
    switch (family) {
    case RecordFamily::Links: return Links;
    case RecordFamily::Contacts: return Contacts;
    case RecordFamily::Events: return Events;
    case RecordFamily::Phrases: return Phrases;
    case RecordFamily::Tags: return linkTags ? Links : Contacts;
    default: return Goals;
    }
}

}  // namespace torvalet::ui
