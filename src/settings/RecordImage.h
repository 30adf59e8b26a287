#pragma once
#include "settings/SettingsFields.h"
#include "settings/TextEncoding.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <array>
#include <optional>

// A fixed-size record of raw little-endian bytes, read and written field by field through its
// layout table. Bytes that no accessor writes (reserved ones, the ignored tail of a short string)
// keep whatever they held.
template <typename Field, int Size>
class RecordImage {
public:
    static constexpr int kSize = Size;

    RecordImage() { bytes.fill(0); }

    // The first Size bytes of data; nothing when there are fewer.
    static std::optional<RecordImage> FromBytes(QByteArrayView data)
    {
        if (data.size() < Size)
            return std::nullopt;
        RecordImage record;
        std::copy_n(data.data(), Size, record.bytes.begin());
        return record;
    }

    QByteArray Bytes() const { return QByteArray(reinterpret_cast<const char *>(bytes.data()), Size); }
    bool operator==(const RecordImage &) const = default;

    qint32 Int(Field field) const { return qint32(Read32(Checked(field, FieldType::Int).offset)); }
    void SetInt(Field field, qint32 value) { Write32(Checked(field, FieldType::Int).offset, quint32(value)); }

    quint8 Byte(Field field) const { return bytes[Checked(field, FieldType::Byte).offset]; }
    void SetByte(Field field, quint8 value) { bytes[Checked(field, FieldType::Byte).offset] = value; }

    bool Flag(Field field) const { return bytes[Checked(field, FieldType::Flag).offset] != 0; }
    void SetFlag(Field field, bool value) { bytes[Checked(field, FieldType::Flag).offset] = value ? 1 : 0; }

    ColorRef Colour(Field field) const { return Read32(Checked(field, FieldType::Colour).offset); }
    void SetColour(Field field, ColorRef value) { Write32(Checked(field, FieldType::Colour).offset, value); }

    QString Text(Field field) const
    {
        const auto &row = Checked(field, FieldType::ShortString);
        const int length = std::min<int>(bytes[row.offset], row.size - 1);
        return DecodeUtf8Or1251(QByteArrayView(bytes.data() + row.offset + 1, length));
    }
    void SetText(Field field, const QString &text)
    {
        const auto &row = Checked(field, FieldType::ShortString);
        const QByteArray encoded = EncodeUtf8Within(text, std::min(255, row.size - 1));
        bytes[row.offset] = quint8(encoded.size());
        std::copy(encoded.begin(), encoded.end(), bytes.begin() + row.offset + 1);
    }

    // The bytes of any field, e.g. an embedded record.
    QByteArray Block(Field field) const
    {
        const auto &row = Row(field);
        return QByteArray(reinterpret_cast<const char *>(bytes.data()) + row.offset, row.size);
    }
    // Copies data over the field; nothing is changed when the size does not match.
    bool SetBlock(Field field, QByteArrayView data)
    {
        const auto &row = Row(field);
        if (data.size() != row.size)
            return false;
        std::copy_n(data.data(), row.size, bytes.begin() + row.offset);
        return true;
    }

    // The value the field's control shows. Up-down positions are 16 bits: the low half of the
    // stored int, sign-extended, then clamped to the control's range; a byte above its range
    // becomes the last item; a flag is 0 or 1.
    int ControlValue(Field field) const
    {
        const auto &row = Row(field);
        switch (row.type) {
        case FieldType::Int: {
            const int position = qint16(quint16(Int(field)));
            return row.HasRange() ? std::clamp(position, row.min, row.max) : Int(field);
        }
        case FieldType::Byte:
            return row.HasRange() ? std::clamp<int>(Byte(field), row.min, row.max) : Byte(field);
        case FieldType::Flag:
            return Flag(field) ? 1 : 0;
        default:
            Q_ASSERT_X(false, "ControlValue", row.name);
            return 0;
        }
    }
    // Stores what a control shows: an int whole, a byte as its low 8 bits, a flag as 0 or 1.
    void SetControlValue(Field field, int value)
    {
        switch (Row(field).type) {
        case FieldType::Int:
            SetInt(field, value);
            break;
        case FieldType::Byte:
            SetByte(field, quint8(value));
            break;
        case FieldType::Flag:
            SetFlag(field, value != 0);
            break;
        default:
            Q_ASSERT_X(false, "SetControlValue", Row(field).name);
        }
    }

    // A record holding the first-run value of every number, flag and colour of the table.
    static RecordImage FirstRun()
    {
        RecordImage record;
        for (const auto &row : kTable()) {
            switch (row.type) {
            case FieldType::Int:
            case FieldType::Colour:
                record.Write32(row.offset, quint32(row.firstRun));
                break;
            case FieldType::Byte:
            case FieldType::Flag:
                record.bytes[row.offset] = quint8(row.firstRun);
                break;
            default:
                break;
            }
        }
        return record;
    }

private:
    static constexpr const auto &kTable()
    {
        if constexpr (std::is_same_v<Field, SettingsField>)
            return kSettingsFields;
        else if constexpr (std::is_same_v<Field, OptionField>)
            return kOptionFields;
        else
            return kFontFields;
    }

    static const FieldSpec<Field> &Checked(Field field, FieldType type)
    {
        const auto &row = Row(field);
        Q_ASSERT_X(row.type == type, "RecordImage", row.name);
        Q_UNUSED(type);
        return row;
    }

    quint32 Read32(int offset) const
    {
        return quint32(bytes[offset]) | quint32(bytes[offset + 1]) << 8 | quint32(bytes[offset + 2]) << 16
             | quint32(bytes[offset + 3]) << 24;
    }
    void Write32(int offset, quint32 value)
    {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = quint8(value >> (8 * i));
    }

    std::array<quint8, Size> bytes;
};
