#pragma once

#include "config/backup.h"
#include "link/adapter.h"
#include "link/session.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

// The backup against the virtual car, in a folder of its own.
class BackupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        demo.open();
        backup.setFallbackFolder(dir.filePath(QStringLiteral("documents/TALMERO")));
    }

    struct ModuleState {
        const char* adr;
        bool present;
        std::initializer_list<std::pair<const char*, const char*>> blocks; // number, hex
    };
    // Replaces the listed modules' blocks through the car's state file.
    void setCar(const char* vin, std::initializer_list<ModuleState> modules)
    {
        QJsonArray list;
        for (const ModuleState& m : modules) {
            QJsonObject blocks;
            for (const auto& [no, hex] : m.blocks)
                blocks.insert(QString::fromLatin1(no), QString::fromLatin1(hex));
            list.append(QJsonObject{{"address", QString::fromLatin1(m.adr)},
                                    {"present", m.present},
                                    {"blocks", blocks}});
        }
        const QString path = dir.filePath(QStringLiteral("car.json"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(QJsonObject{{"vin", QString::fromLatin1(vin)}, {"modules", list}}).toJson());
        file.close();
        demo.car().load(path);
        QFile::remove(path);
    }

    static QByteArray crlf(std::initializer_list<const char*> lines)
    {
        QByteArray bytes;
        for (const char* line : lines)
            bytes += QByteArray(line) + "\r\n";
        return bytes;
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString runBackup(const QString& vin, const QDateTime& when)
    {
        return backup.BitBtnSaveAutoClick(vin, dir.path(), [when] { return when; }).path;
    }

    QTemporaryDir dir;
    talmero::sim::DemoChannel demo;
    RecordingHost host;
    talmero::link::Adapter adapter{demo, host};
    talmero::link::Session session{adapter, host};
    talmero::config::VehicleBackup backup{session, host};
};
