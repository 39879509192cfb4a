#include "Measures.h"

#include "Limits.h"
#include "VectorState.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

namespace spectrum {
namespace {
using Extended = long double;

constexpr Extended kTruePi = std::numbers::pi_v<long double>;
constexpr Extended kTwoPi = 2 * kTruePi;

// The partial power is summed over tens of thousands of harmonics; a sum this close to a share's
// target counts as reaching it, so that rounding cannot decide a tie one way on one machine and
// the other way on the next. Far below any real gap: those are at least 1 / (100 T) of the power.
constexpr Extended kShareTolerance = 1e-12L;

// The rebuilt period is first sampled this densely, at least 8 samples to a cycle of its highest
// harmonic, and the best few samples are then followed to the true extremes between them.
constexpr int kSamplesPerCycle = 8;
constexpr int kLeastSamples = 64;
constexpr std::size_t kExtremeCandidates = 8;
// Steps and resolution, in periods, of the search for an extreme: far finer than a microvolt.
constexpr int kMostSearchSteps = 80;
constexpr double kTimeResolution = 1e-15;

// A complex number as two plain fields: std::complex's product also guards against infinities,
// at a cost that sums over tens of thousands of harmonics would pay every time.
struct Phasor {
    Extended re = 0;
    Extended im = 0;
};

Phasor times(const Phasor& a, const Phasor& b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// e^(i 2 pi turns). The turns are brought into the first eighth of a turn exactly (binary
// fractions), so the library takes its quick path and never reduces a large argument of its own;
// the rest is swapping and signs.
Phasor onCircle(Extended turns) {
    const Extended eighths = (turns - std::floor(turns)) * 8;
    const int octant = static_cast<int>(eighths);
    const Extended rest = eighths - octant;
    // An odd eighth is measured back from the quarter that ends it.
    const bool back = octant % 2 != 0;
    const Extended angle = (back ? 1 - rest : rest) * (kTwoPi / 8);
    const Extended c = std::cos(angle);
    const Extended s = back ? -std::sin(angle) : std::sin(angle);
    switch ((octant + 1) / 2 % 4) {
    case 0:
        return {c, s};
    case 1:
        return {-s, c};
    case 2:
        return {-c, -s};
    default:
        return {s, -c};
    }
}

// Fills `table` with e^(i 2 pi j / n) for j = 0 ... count - 1. Each is the last times one more
// step; an exact one every kAnchor keeps the rounding of the products to a few units in the last
// place.
void fillCircle(std::vector<Phasor>& table, int count, int n) {
    constexpr int kAnchor = 64;
    const Phasor step = onCircle(Extended(1) / n);
    table.resize(static_cast<std::size_t>(count));
    Phasor z;
    for (int j = 0; j < count; ++j) {
        z = j % kAnchor == 0 ? onCircle(Extended(j) / n) : times(z, step);
        table[static_cast<std::size_t>(j)] = z;
    }
}

// The tables of a long period outgrow what the allocator keeps at hand: handed back after every
// call, they made the next call fault their pages in afresh, at several times the cost of the sums
// themselves. Each thread keeps them for its next call.
struct Tables {
    std::vector<Phasor> phasors;
    std::vector<Phasor> d;
    std::vector<Extended> power;
    std::vector<Phasor> turns;
    std::vector<double> samples;
    std::vector<double> imaginary;
};

Tables& tablesOfThisThread() {
    thread_local Tables tables;
    return tables;
}

// The fields as the window would hold them.
MeasuresInput held(MeasuresInput input) {
    for (std::size_t n = 0; n < input.packet.size(); ++n) {
        const bool atLeastOne = n == 0 || n + 1 == input.packet.size();
        input.packet[n] = std::clamp(input.packet[n], atLeastOne ? 1 : 0, kMaxMultiplier);
    }
    input.unitTime = std::clamp(input.unitTime, 1, kMaxUnitTime);
    input.harmonics = std::clamp(input.harmonics, 1, kMaxHarmonics);
    input.rangeFrom = std::clamp(input.rangeFrom, 0, input.harmonics);
    input.rangeTo = std::min(input.rangeTo, input.harmonics);
    return input;
}

// A jump of the packet, in unit times from the start: +1 where a pulse rises, -1 where it falls.
struct Edge {
    int at = 0;
    int sign = 0;
};

// A pulse from a to b gives c_k = (e^(-i 2 pi k a / T) - e^(-i 2 pi k b / T)) / (i 2 pi k), so the
// whole packet gives c_k = D_k / (i 2 pi k) with D_k the edges' signed phasors. Edges that meet
// (a segment of length 0) cancel, and are merged first.
//
// The edges lie on whole unit times, so D_k repeats with period T in k: a narrow pulse needs tens
// of thousands of harmonics, yet at most T of them are ever computed, each from a table of the T
// phasors e^(-i 2 pi n / T) with the angle k a mod T kept exact in integers.
class HarmonicWalk {
public:
    HarmonicWalk(const std::array<int, 8>& packet, int period, Tables& tables)
        : m_period(period), m_phasors(tables.phasors), m_d(tables.d), m_power(tables.power) {
        fillCircle(m_phasors, period, period);
        int at = 0;
        for (std::size_t n = 0; n < packet.size(); ++n) {
            const int sign = n % 2 == 0 ? 1 : -1;
            if (m_edgeCount > 0 && m_edges[m_edgeCount - 1].at == at)
                m_edges[m_edgeCount - 1].sign += sign;
            else
                m_edges[m_edgeCount++] = {at, sign};
            if (m_edges[m_edgeCount - 1].sign == 0)
                --m_edgeCount;
            at += packet[n];
        }
        // Harmonic 0, and every multiple of T: each rise has its fall.
        m_d.assign(1, Phasor());
        m_power.assign(1, 0);
    }

    // The most |D_k| can be, whatever k.
    int edgeCount() const { return static_cast<int>(m_edgeCount); }

    // D_k for k = r mod T.
    const Phasor& d(int r) {
        fillTo(r);
        return m_d[static_cast<std::size_t>(r)];
    }
    // k^2 A_k^2 / 2 = 2 k^2 |c_k|^2 = |D_k|^2 / (2 pi^2) for k = r mod T ...
    Extended scaledPower(int r) {
        fillTo(r);
        return m_power[static_cast<std::size_t>(r)];
    }
    // ... and all T of them.
    const std::vector<Extended>& scaledPowers() {
        fillTo(m_period - 1);
        return m_power;
    }

private:
    void fillTo(int r) {
        while (m_d.size() <= static_cast<std::size_t>(r)) {
            Phasor d;
            for (std::size_t e = 0; e < m_edgeCount; ++e) {
                // r a mod T, one residue after the other.
                m_turn[e] += m_edges[e].at;
                if (m_turn[e] >= m_period)
                    m_turn[e] -= m_period;
                // The table turns the other way: e^(-i x) is the conjugate of e^(i x).
                const Phasor& p = m_phasors[static_cast<std::size_t>(m_turn[e])];
                d.re += m_edges[e].sign * p.re;
                d.im -= m_edges[e].sign * p.im;
            }
            m_d.push_back(d);
            m_power.push_back((d.re * d.re + d.im * d.im) / (2 * kTruePi * kTruePi));
        }
    }

    int m_period = 1;
    std::vector<Phasor>& m_phasors;
    std::vector<Phasor>& m_d; // by k mod T, as far as asked
    std::vector<Extended>& m_power;
    std::array<Edge, 8> m_edges{};
    std::array<int, 8> m_turn{}; // of the last residue filled
    std::size_t m_edgeCount = 0;
};

// The rebuilt period: dc + sum over k of 2 Re(c_k e^(i 2 pi k t)), t in periods, k from `from`
// (at least 1) to `to`. Its extremes are searched in doubles: they are wanted to a millivolt,
// doubles give far better than a picovolt, and the loop over the harmonics needs more long doubles
// than the x87 registers hold, which made it several times slower.
struct Rebuilt {
    double dc = 0;
    int from = 1;
    int to = 0;
    std::vector<double> re; // of c_k, indexed by k
    std::vector<double> im;
};

struct Slopes {
    double value = 0;
    double first = 0; // per period
    double second = 0;
};

Slopes evaluate(const Rebuilt& s, double t) {
    Slopes out{s.dc};
    const Phasor step = onCircle(t);
    const Phasor start = onCircle(t * s.from);
    const auto stepRe = static_cast<double>(step.re);
    const auto stepIm = static_cast<double>(step.im);
    auto zRe = static_cast<double>(start.re);
    auto zIm = static_cast<double>(start.im);
    for (int k = s.from; k <= s.to; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double termRe = s.re[i] * zRe - s.im[i] * zIm;
        const double termIm = s.re[i] * zIm + s.im[i] * zRe;
        const double w = static_cast<double>(kTwoPi) * k;
        out.value += 2 * termRe;
        out.first -= 2 * w * termIm;
        out.second -= 2 * w * w * termRe;
        const double nextRe = zRe * stepRe - zIm * stepIm;
        zIm = zRe * stepIm + zIm * stepRe;
        zRe = nextRe;
    }
    return out;
}

// The period at `size` (a power of two) equally spaced samples, by one inverse FFT.
const std::vector<double>& sampled(const Rebuilt& s, std::size_t size, Tables& tables) {
    std::vector<double>& re = tables.samples;
    std::vector<double>& im = tables.imaginary;
    re.assign(size, 0.0);
    im.assign(size, 0.0);
    re[0] = s.dc;
    for (int k = s.from; k <= s.to; ++k) {
        const auto i = static_cast<std::size_t>(k);
        re[i] = 2 * s.re[i];
        im[i] = 2 * s.im[i];
    }
    for (std::size_t i = 1, j = 0; i < size; ++i) {
        std::size_t bit = size >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
    }
    std::vector<Phasor>& turn = tables.turns;
    fillCircle(turn, static_cast<int>(size / 2), static_cast<int>(size));
    for (std::size_t len = 2; len <= size; len <<= 1) {
        const std::size_t half = len / 2;
        const std::size_t stride = size / len;
        for (std::size_t i = 0; i < size; i += len) {
            for (std::size_t j = 0; j < half; ++j) {
                const auto wRe = static_cast<double>(turn[j * stride].re);
                const auto wIm = static_cast<double>(turn[j * stride].im);
                const std::size_t a = i + j;
                const std::size_t b = a + half;
                const double vRe = re[b] * wRe - im[b] * wIm;
                const double vIm = re[b] * wIm + im[b] * wRe;
                re[b] = re[a] - vRe;
                im[b] = im[a] - vIm;
                re[a] += vRe;
                im[a] += vIm;
            }
        }
    }
    return re;
}

// The highest value of sign s(t) within h of t0: Newton on the slope, kept inside a bracket that
// halves whenever a step would leave it or the curve bends the wrong way.
double climb(const Rebuilt& s, int sign, double t0, double h) {
    double low = t0 - h;
    double high = t0 + h;
    double t = t0;
    double best = -std::numeric_limits<double>::infinity();
    for (int step = 0; step < kMostSearchSteps; ++step) {
        const Slopes at = evaluate(s, t);
        best = std::max(best, sign * at.value);
        const double first = sign * at.first;
        const double second = sign * at.second;
        if (second < 0 && std::fabs(first / second) <= kTimeResolution)
            break;
        (first > 0 ? low : high) = t;
        double next = second < 0 ? t - first / second : (low + high) / 2;
        if (!(next > low && next < high))
            next = (low + high) / 2;
        if (high - low <= kTimeResolution)
            break;
        t = next;
    }
    return best;
}

// The highest value of sign s(t) over the period. A true extreme lies within half a sample of one,
// so the sample next to it is at most curvature h^2 / 8 below it: the samples that peak on their
// neighbours within that much of the best are the starts, best first, and a start that cannot
// beat what is already found is skipped.
double extreme(const Rebuilt& s, const std::vector<double>& samples, int sign) {
    const std::size_t size = samples.size();
    const double h = 1.0 / static_cast<double>(size);
    double curvature = 0;
    for (int k = s.from; k <= s.to; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double w = static_cast<double>(kTwoPi) * k;
        curvature += w * w * 2 * std::hypot(s.re[i], s.im[i]);
    }
    const double margin = curvature * h * h / 8 + 1e-12;
    double best = -std::numeric_limits<double>::infinity();
    for (const double v : samples)
        best = std::max(best, sign * v);
    std::vector<std::size_t> starts;
    for (std::size_t j = 0; j < size; ++j) {
        const double v = sign * samples[j];
        if (v >= best - margin && v >= sign * samples[(j + size - 1) % size] &&
            v >= sign * samples[(j + 1) % size])
            starts.push_back(j);
    }
    std::sort(starts.begin(), starts.end(),
              [&](std::size_t a, std::size_t b) { return sign * samples[a] > sign * samples[b]; });
    double result = -std::numeric_limits<double>::infinity();
    for (std::size_t n = 0; n < std::min(starts.size(), kExtremeCandidates); ++n) {
        const std::size_t j = starts[n];
        if (sign * samples[j] + margin > result)
            result = std::max(result, climb(s, sign, static_cast<double>(j) * h, h));
    }
    return sign * result;
}

std::size_t sampleCount(int highest) {
    std::size_t size = 1;
    while (size < static_cast<std::size_t>(kSamplesPerCycle * highest + kLeastSamples))
        size <<= 1;
    return size;
}

std::string number(double value) {
    // + 0.0 turns a negative zero into 0, which reads better than "-0".
    value += 0.0;
    std::array<char, 64> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 9);
    return std::string(text.data(), written.ptr);
}

} // namespace

Measures computeMeasures(const MeasuresInput& raw) {
    // As for the pass: the maths below must not pay for vector state that Qt left dirty.
    clearUpperVectorState();
    const MeasuresInput input = held(raw);
    const std::array<int, 8>& m = input.packet;
    int period = 0;
    for (const int multiplier : m)
        period += multiplier;
    const int pulses = m[0] + m[2] + m[4] + m[6];
    const int N = input.harmonics;
    const int L = input.rangeFrom;
    const int U = input.rangeTo;
    const bool rangeHoldsAny = L <= U;

    Measures out;
    out.periodUs = double(period) * input.unitTime;
    out.f1Khz = static_cast<double>(1000.0L / out.periodUs);
    // The pulses are 1 V, so the mean value A_0 and the power (into 1 ohm) are both the fill.
    const Extended fill = Extended(pulses) / period;
    const Extended power = fill;
    out.pulseFill = static_cast<double>(fill);
    out.powerV2 = static_cast<double>(power);
    out.rmsV = static_cast<double>(std::sqrt(power));
    out.dcSharePct = static_cast<double>(100 * fill * fill / power);

    // The constant term alone carries a share exactly when the fill reaches it, which integers
    // decide without rounding; beyond it the partial sum is tested, the shares in ascending order.
    // Parseval bounds the power above harmonic k by edges^2 / (2 pi^2 k), which gives each share a
    // harmonic it is certain to be reached by, whatever the rounding.
    Tables& tables = tablesOfThisThread();
    HarmonicWalk walk(m, period, tables);
    std::array<int, kBandwidthShares.size()> bandwidth{};
    std::array<Extended, kBandwidthShares.size()> target{};
    std::array<int, kBandwidthShares.size()> certainBy{};
    std::size_t pending = 0;
    for (std::size_t i = 0; i < kBandwidthShares.size(); ++i) {
        if (pulses * 100 >= kBandwidthShares[i] * period)
            pending = i + 1;
        target[i] = power * kBandwidthShares[i] / 100 * (1 - kShareTolerance);
        const Extended left = power * (100 - kBandwidthShares[i]) / 100;
        certainBy[i] = static_cast<int>(
            std::min<Extended>(std::ceil(Extended(walk.edgeCount()) * walk.edgeCount() /
                                         (2 * kTruePi * kTruePi * left)),
                               std::numeric_limits<int>::max()));
    }
    Extended partial = fill * fill;
    const auto settle = [&](int k) {
        while (pending < kBandwidthShares.size() &&
               (partial >= target[pending] || k >= certainBy[pending]))
            bandwidth[pending++] = k;
    };

    Rebuilt rebuilt;
    const Extended dc = rangeHoldsAny && L == 0 ? fill : 0;
    rebuilt.dc = static_cast<double>(dc);
    rebuilt.from = std::max(L, 1);
    rebuilt.to = rangeHoldsAny ? U : 0;
    rebuilt.re.resize(static_cast<std::size_t>(std::max(U, 0)) + 1);
    rebuilt.im.resize(rebuilt.re.size());
    Extended harmonicsPower = 0;
    Extended rangePower = dc * dc;
    int k = 1;
    int residue = 1 % period;
    const auto stepOn = [&] {
        ++k;
        if (++residue == period)
            residue = 0;
    };
    for (; k <= N; stepOn()) {
        const Phasor& d = walk.d(residue);
        const Extended w = kTwoPi * k;
        const Extended term = walk.scaledPower(residue) / (Extended(k) * k);
        partial += term;
        harmonicsPower += term;
        if (2 * std::sqrt(d.re * d.re + d.im * d.im) / w < kZeroAmplitudeVolts)
            out.zeroHarmonics.push_back(k);
        if (k >= rebuilt.from && k <= rebuilt.to) {
            rangePower += term;
            // c_k = D_k / (i w) = -i D_k / w.
            rebuilt.re[static_cast<std::size_t>(k)] = static_cast<double>(d.im / w);
            rebuilt.im[static_cast<std::size_t>(k)] = static_cast<double>(-d.re / w);
        }
        settle(k);
    }
    // Past N only the bandwidths are left: tens of thousands of harmonics for a narrow pulse. The
    // loop calls nothing and sums in a local, so the sum can stay in a register throughout.
    while (pending < kBandwidthShares.size()) {
        const std::vector<Extended>& scaled = walk.scaledPowers();
        const Extended aim = target[pending];
        const int certain = certainBy[pending];
        Extended sum = partial;
        for (;; stepOn()) {
            sum += scaled[static_cast<std::size_t>(residue)] / (Extended(k) * k);
            if (sum >= aim || k >= certain)
                break;
        }
        partial = sum;
        settle(k);
        stepOn();
    }
    for (std::size_t i = 0; i < kBandwidthShares.size(); ++i)
        out.bandwidths[i] = {bandwidth[i], static_cast<double>(Extended(bandwidth[i]) * out.f1Khz)};

    out.harmonicsSharePct = static_cast<double>(100 * harmonicsPower / power);
    out.rangeSharePct = static_cast<double>(100 * rangePower / power);
    const Extended missing = std::max<Extended>(power - rangePower, 0);
    out.rmsErrorMv = static_cast<double>(1000 * std::sqrt(missing));
    out.errorSharePct = static_cast<double>(100 * missing / power);

    if (rebuilt.from <= rebuilt.to) {
        const std::vector<double>& samples = sampled(rebuilt, sampleCount(rebuilt.to), tables);
        out.peakV = extreme(rebuilt, samples, 1);
        out.troughV = extreme(rebuilt, samples, -1);
        const Extended top = L == 0 ? 1 : 1 - fill;
        if (L <= 1)
            out.overshootPct = static_cast<double>(100 * (out.peakV - top));
    } else {
        out.peakV = out.troughV = rebuilt.dc;
    }
    return out;
}

std::string measuresReport(const Measures& measures) {
    std::string text = "# Tovenal measures\n";
    const auto line = [&text](const std::string& key, const std::string& value) {
        text += key;
        text += " = ";
        text += value;
        text += '\n';
    };
    line("period_us", number(measures.periodUs));
    line("f1_khz", number(measures.f1Khz));
    line("pulse_fill", number(measures.pulseFill));
    line("power_v2", number(measures.powerV2));
    line("rms_v", number(measures.rmsV));
    line("dc_share_pct", number(measures.dcSharePct));
    line("harmonics_share_pct", number(measures.harmonicsSharePct));
    line("range_share_pct", number(measures.rangeSharePct));
    line("rms_error_mv", number(measures.rmsErrorMv));
    line("error_share_pct", number(measures.errorSharePct));
    for (std::size_t i = 0; i < kBandwidthShares.size(); ++i) {
        std::string key = "bandwidth";
        key += std::to_string(kBandwidthShares[i]);
        line(key + "_k", std::to_string(measures.bandwidths[i].k));
        line(key + "_khz", number(measures.bandwidths[i].khz));
    }
    line("peak_v", number(measures.peakV));
    line("trough_v", number(measures.troughV));
    line("overshoot_pct", measures.overshootPct ? number(*measures.overshootPct) : "none");
    std::string zeros;
    for (const int harmonic : measures.zeroHarmonics) {
        if (!zeros.empty())
            zeros += ',';
        zeros += std::to_string(harmonic);
    }
    line("zero_harmonics", zeros.empty() ? "none" : zeros);
    return text;
}

} // namespace spectrum
