#pragma once

#include "battle/Random.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

// A generator that hands out the draws a test scripts, in order, and reports a draw that was
// not scripted.
class ScriptedRandom : public Random
{
public:
    ScriptedRandom() : Random(0) {}
    ScriptedRandom(std::initializer_list<double> draws) : Random(0), m_draws(draws) {}

    void add(std::initializer_list<double> draws) { m_draws.insert(m_draws.end(), draws); }
    std::size_t left() const { return m_draws.size(); }
    std::size_t used() const { return m_used; }

    double Rnd() override
    {
        ++m_used;
        if (m_draws.empty()) {
            ADD_FAILURE() << "draw " << m_used << " was not scripted";
            return 0;
        }
        const double draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

private:
    std::deque<double> m_draws;
    std::size_t m_used = 0;
};
