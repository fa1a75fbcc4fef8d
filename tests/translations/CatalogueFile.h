#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// One message of a Qt Linguist catalogue source (.ts) as its translator left it.
struct CatalogueMessage {
    QString context;
    QString source;
    QString comment;
    QString type; // "", "unfinished", "vanished" or "obsolete"
    bool numerus = false;
    QStringList translations; // one text, or one per plural form

    [[nodiscard]] QString key() const { return context + QLatin1Char('|') + source + QLatin1Char('|') + comment; }
};

// Reads every message of a catalogue source; an unreadable or malformed file yields what was read and an error.
struct CatalogueFile {
    QList<CatalogueMessage> messages;
    QString error;

    static CatalogueFile read(const QString& path) {
        CatalogueFile file;
        QFile input(path);
        if (!input.open(QIODevice::ReadOnly)) {
            file.error = input.errorString();
            return file;
        }
        QXmlStreamReader reader(&input);
        QString context;
        CatalogueMessage message;
        bool inMessage = false;
        while (!reader.atEnd()) {
            reader.readNext();
            const auto name = reader.name();
            if (reader.isStartElement()) {
                if (name == QLatin1String("name") && !inMessage) {
                    context = reader.readElementText();
                } else if (name == QLatin1String("message")) {
                    inMessage = true;
                    message = CatalogueMessage{};
                    message.context = context;
                    message.numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                } else if (inMessage && name == QLatin1String("source")) {
                    message.source = reader.readElementText();
                } else if (inMessage && name == QLatin1String("comment")) {
                    message.comment = reader.readElementText();
                } else if (inMessage && name == QLatin1String("translation")) {
                    message.type = reader.attributes().value(QLatin1String("type")).toString();
                    if (!message.numerus)
                        message.translations.append(reader.readElementText());
                } else if (inMessage && name == QLatin1String("numerusform")) {
                    message.translations.append(reader.readElementText());
                }
            } else if (reader.isEndElement() && name == QLatin1String("message")) {
                inMessage = false;
                file.messages.append(message);
            }
        }
        if (reader.hasError())
            file.error = QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
        return file;
    }
};
