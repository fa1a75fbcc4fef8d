// Writes the test language's catalogue source: every message of a catalogue, translated by pseudoText().
// Usage: tonalith-pseudo-translate IN.ts OUT.ts
#include "PseudoText.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

struct Message {
    QString source;
    QString comment;
    bool numerus = false;
};

void writeMessage(QXmlStreamWriter& writer, const Message& message) {
    writer.writeStartElement(QStringLiteral("message"));
    if (message.numerus)
        writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
    writer.writeTextElement(QStringLiteral("source"), message.source);
    if (!message.comment.isEmpty())
        writer.writeTextElement(QStringLiteral("comment"), message.comment);
    writer.writeStartElement(QStringLiteral("translation"));
    if (message.numerus) {
        // English has two forms, and so has the test language.
        writer.writeTextElement(QStringLiteral("numerusform"), pseudoText(message.source));
        writer.writeTextElement(QStringLiteral("numerusform"), pseudoText(message.source));
    } else {
        writer.writeCharacters(pseudoText(message.source));
    }
    writer.writeEndElement();
    writer.writeEndElement();
}

int fail(const QString& why) {
    std::fprintf(stderr, "tonalith-pseudo-translate: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: tonalith-pseudo-translate IN.ts OUT.ts"));
    QFile in(arguments[1]);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(arguments[1], in.errorString()));
    QSaveFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(arguments[2], out.errorString()));

    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    writer.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));

    Message message;
    bool inMessage = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == QLatin1String("context")) {
                writer.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name")) {
                writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
            } else if (name == QLatin1String("message")) {
                inMessage = true;
                message = Message{};
                message.numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (inMessage && name == QLatin1String("source")) {
                message.source = reader.readElementText();
            } else if (inMessage && name == QLatin1String("comment")) {
                message.comment = reader.readElementText();
            } else if (name != QLatin1String("TS")) {
                reader.skipCurrentElement();
            }
        } else if (reader.isEndElement() && name == QLatin1String("context")) {
            writer.writeEndElement();
        } else if (reader.isEndElement() && name == QLatin1String("message") && inMessage) {
            inMessage = false;
            writeMessage(writer, message);
        }
    }
    if (reader.hasError())
        return fail(
            QStringLiteral("%1, line %2: %3").arg(arguments[1]).arg(reader.lineNumber()).arg(reader.errorString()));
    writer.writeEndElement();
    writer.writeEndDocument();
    if (!out.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(arguments[2], out.errorString()));
    return 0;
}
