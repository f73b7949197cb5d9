#include "link/serial_channel.h"

#include <gtest/gtest.h>

namespace talmero::link {
namespace {

// Why a port did not open, as the user reads it: from QSerialPort's error and what the
// device file allows.
TEST(SerialOpenFailure, SaysWhyThePortDidNotOpen)
{
    const struct {
        const char* path;
        QSerialPort::SerialPortError error;
        bool exists;
        bool readWrite;
        const char* text;
    } cases[] = {
        {"", QSerialPort::UnknownError, false, false, "Ошибка открытия порта: порт не указан"},
        {"/dev/ttyUSB9", QSerialPort::DeviceNotFoundError, false, false,
         "Ошибка открытия порта: устройства /dev/ttyUSB9 нет. Проверьте, что адаптер подключён, "
         "и выберите его порт в списке (кнопка рядом со списком обновляет его)."},
        {"/dev/ttyUSB0", QSerialPort::PermissionError, true, false,
         "Ошибка открытия порта: нет прав доступа к /dev/ttyUSB0.\nВ Linux добавьте пользователя в группу "
         "dialout (sudo adduser $USER dialout), затем выйдите из системы и войдите снова."},
        {"/dev/ttyUSB0", QSerialPort::PermissionError, true, true,
         "Ошибка открытия порта: /dev/ttyUSB0 занят другой программой. Закройте её и подключитесь снова."},
        {"/dev/null", QSerialPort::UnsupportedOperationError, true, true,
         "Ошибка открытия порта: /dev/null — не последовательный порт."},
        {"/dev/ttyS0", QSerialPort::UnknownError, true, true, "Ошибка открытия порта /dev/ttyS0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SerialChannel::openFailureText(QString::fromUtf8(c.path), c.error, c.exists, c.readWrite),
                  QString::fromUtf8(c.text))
            << c.path << ' ' << int(c.error);
    }
}

} // namespace
} // namespace talmero::link
