#pragma once
// Writes code bytes into a fixed buffer and remembers when something did not fit, so an emitter
// can never write past its block's code buffer.

#include <cstdint>

class CodeWriter
{
public:
    CodeWriter(unsigned char* buffer, int capacity) : m_buffer(buffer), m_capacity(capacity) {}

    void Byte(int value)
    {
        if (m_length < m_capacity)
            m_buffer[m_length++] = static_cast<unsigned char>(value & 0xFF);
        else
            m_overflow = true;
    }
    // A 16-bit value, high byte first.
    void Word(int value)
    {
        Byte(value >> 8);
        Byte(value);
    }
    // Reserves n bytes written by someone else (the expression compiler) at Current().
    void Skip(int n)
    {
        if (n < 0 || n > m_capacity - m_length)
            m_overflow = true;
        else
            m_length += n;
    }

    unsigned char* Current() { return m_buffer + m_length; }
    int Remaining() const { return m_capacity - m_length; }
    int Length() const { return m_length; }
    bool Fits() const { return !m_overflow; }

private:
    unsigned char* m_buffer;
    int m_capacity;
    int m_length = 0;
    bool m_overflow = false;
};
