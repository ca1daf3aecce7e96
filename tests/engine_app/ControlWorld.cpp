#include "ControlWorld.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QThread>

#include "engine/ControlProtocol.h"

namespace quill::test {

void ControlTest::startService(const std::string& extraIni) {
    writeIni("[Quill]\nLogMode=3\nPrintDelayMinutes=60\n" + extraIni + "[USER]\nVisible=1\n");
    writeManualDesign("Sheet", 4);
    registerService();
    service = std::make_unique<EngineProcess>(world.root(), std::vector<std::string>{"--service"});
    ASSERT_TRUE(service->waitForError("QuillService running headless")) << service->error();
}

const QJsonObject ControlTest::status() const {
    const EngineResult result = run({"--status", "--json"});
    EXPECT_EQ(result.code, 0) << result.error;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.output)).object();
}

bool Until(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

bool Subscriber::Subscribe(const std::string& path) {
    std::string why;
    QObject::connect(&client, &TControlClient::event, [this](const QJsonObject& event) { events.push_back(event); });
    if (!client.Connect(path, why)) return false;
    const auto reply = client.Call(control::Subscribe, {}, why);
    if (reply) snapshot = *reply;
    return reply.has_value();
}

std::vector<std::string> Subscriber::RowEvents() const {
    std::vector<std::string> rows;
    for (const QJsonObject& event : events) {
        const QString name = event.value("event").toString();
        if (!name.startsWith("row")) continue;
        const QJsonObject row = event.value("row").toObject();
        rows.push_back((name + " " + row.value("design").toString() + " " + row.value("amount").toString() + " " +
                        row.value("status").toString().section(' ', 0, 1))
                           .toStdString());
    }
    return rows;
}

QJsonObject Subscriber::LastState() const {
    for (auto it = events.rbegin(); it != events.rend(); ++it)
        if (it->value("event") == "state") return it->value("state").toObject();
    return snapshot.value("state").toObject();
}

}  // namespace quill::test
