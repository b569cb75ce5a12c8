#include "benchdir.h"

#include <QDir>

#include <cstdlib>

BenchDir::BenchDir() : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
        std::abort();
}

BenchDir::~BenchDir()
{
    QDir::setCurrent(m_previous);
}
