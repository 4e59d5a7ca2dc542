// Makes the sounds of the demo program folder: a short wave file for every
// event the program names and the main screen's melody as a MIDI file.
// Everything is computed here from tones, chords and a few notes, so every
// build writes the same bytes.
//
//   ispyt-demo-sounds FOLDER

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

// A MIDI note number as a frequency (69 is A 440 Hz).
double hertz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// The loudness of the first three partials and how fast a note dies away
// (per second).
struct Timbre {
  double partials[3];
  double decay;
};
const Timbre kBell{{1.0, 0.45, 0.2}, 4.5};
const Timbre kSoft{{1.0, 0.15, 0.05}, 2.5};
const Timbre kReed{{1.0, 0.6, 0.4}, 3.5};

// Mono samples in -1..1, mixed note by note.
class Tape {
 public:
  explicit Tape(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate), 0.0) {}

  void note(double at, double length, double midi, double loudness, const Timbre& t) {
    const double f = hertz(midi);
    render(at, length, [&](double s) {
      double v = 0;
      for (int h = 0; h < 3; ++h) v += t.partials[h] * std::sin(kTwoPi * f * (h + 1) * s);
      return loudness * std::exp(-t.decay * s) * v;
    });
  }

  void chord(double at, double length, std::initializer_list<double> notes, double loudness,
             const Timbre& t) {
    for (double n : notes) note(at, length, n, loudness, t);
  }

  // A tone sliding from one frequency to another.
  void glide(double at, double length, double fromHz, double toHz, double loudness) {
    double phase = 0;
    render(at, length, [&](double s) {
      phase += kTwoPi * (fromHz + (toHz - fromHz) * s / length) / kRate;
      return loudness * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    });
  }

  // 16-bit samples, the loudest at 70% of full scale.
  std::vector<std::int16_t> pcm() const {
    double peak = 1e-9;
    for (double v : samples_) peak = std::max(peak, std::abs(v));
    std::vector<std::int16_t> out;
    out.reserve(samples_.size());
    for (double v : samples_)
      out.push_back(static_cast<std::int16_t>(std::lround(v / peak * 0.7 * 32767)));
    return out;
  }

 private:
  // Adds `wave(seconds into the note)` with a 5 ms attack and a 20 ms
  // release, so that no note clicks.
  template <class Wave>
  void render(double at, double length, Wave wave) {
    const auto first = static_cast<std::size_t>(at * kRate);
    const auto count = static_cast<std::size_t>(length * kRate);
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
      const double s = static_cast<double>(i) / kRate;
      const double left = length - s;
      const double envelope = std::min({1.0, s / 0.005, left / 0.02});
      samples_[first + i] += envelope * wave(s);
    }
  }

  std::vector<double> samples_;
};

void put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// A PCM wave file: mono, 16 bits, kRate samples a second.
std::string waveBytes(const Tape& tape) {
  const std::vector<std::int16_t> pcm = tape.pcm();
  const auto data = static_cast<std::uint32_t>(pcm.size() * 2);
  std::string out = "RIFF";
  put32(out, 36 + data);
  out += "WAVEfmt ";
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, kRate);
  put32(out, kRate * 2);
  put16(out, 2);
  put16(out, 16);
  out += "data";
  put32(out, data);
  for (std::int16_t s : pcm) put16(out, static_cast<std::uint16_t>(s));
  return out;
}

// ---- the effects -------------------------------------------------------------

Tape next() {  // an answer is submitted
  Tape t(0.3);
  t.note(0.00, 0.08, 88, 0.8, kBell);
  t.note(0.06, 0.22, 93, 0.8, kBell);
  return t;
}

Tape home() {  // the first task
  Tape t(0.8);
  t.note(0.00, 0.35, 72, 0.7, kSoft);
  t.note(0.10, 0.35, 76, 0.7, kSoft);
  t.note(0.20, 0.55, 79, 0.7, kSoft);
  return t;
}

Tape see() {  // look here: the registration card
  Tape t(1.0);
  t.note(0.00, 0.55, 79, 0.8, kBell);
  t.note(0.25, 0.70, 76, 0.8, kBell);
  return t;
}

Tape finished() {
  Tape t(1.3);
  t.note(0.00, 0.16, 72, 0.7, kBell);
  t.note(0.13, 0.16, 76, 0.7, kBell);
  t.note(0.26, 0.16, 79, 0.7, kBell);
  t.note(0.39, 0.85, 84, 0.8, kBell);
  t.chord(0.39, 0.85, {60, 64, 67}, 0.35, kSoft);
  return t;
}

Tape brokenOff() {
  Tape t(0.8);
  t.note(0.00, 0.20, 67, 0.8, kReed);
  t.note(0.18, 0.55, 62, 0.8, kReed);
  return t;
}

Tape failed() {  // a failed exam run: falling half tones
  Tape t(1.5);
  const double notes[] = {64, 63, 62, 61};
  for (int i = 0; i < 4; ++i) t.note(0.24 * i, i == 3 ? 0.7 : 0.26, notes[i], 0.8, kReed);
  return t;
}

Tape timeUp() {  // three ticks and a low bell
  Tape t(1.4);
  for (int i = 0; i < 3; ++i) t.note(0.25 * i, 0.12, 81, 0.7, kBell);
  t.note(0.75, 0.6, 69, 0.9, kBell);
  return t;
}

Tape leaving() {  // the exit confirmation
  Tape t(1.3);
  t.chord(0.00, 0.5, {67, 71, 74}, 0.5, kSoft);
  t.chord(0.42, 0.8, {60, 64, 67}, 0.5, kSoft);
  return t;
}

Tape diagram() {  // the result diagram turns
  Tape t(0.75);
  t.glide(0.00, 0.35, 330, 990, 0.5);
  t.note(0.30, 0.40, 88, 0.6, kBell);
  return t;
}

Tape noGrade() {  // the result without a grade
  Tape t(1.1);
  t.chord(0.00, 0.9, {72, 79}, 0.6, kBell);
  t.note(0.15, 0.7, 84, 0.3, kSoft);
  return t;
}

// Grade n of the 12-point set: the better, the higher, the longer and the
// brighter; the lowest third falls in a minor triad.
Tape grade(int n) {
  const bool low = n <= 4;
  const int count = 2 + (n - 1) / 4;
  const double base = 57 + n;
  const double steps[] = {0, low ? 3.0 : 4.0, 7, 12};
  Tape t(0.12 * count + 0.8);
  for (int i = 0; i < count; ++i) {
    const double step = low ? steps[count - 1 - i] : steps[i];
    t.note(0.12 * i, i == count - 1 ? 0.7 : 0.16, base + step, 0.8, low ? kSoft : kBell);
  }
  if (n == 12) t.chord(0.12 * count, 0.7, {base, base + 4, base + 7}, 0.3, kSoft);
  return t;
}

// ---- the melody ----------------------------------------------------------------

void putVarLength(std::string& out, std::uint32_t v) {
  char bytes[5];
  int n = 0;
  bytes[n++] = static_cast<char>(v & 0x7F);
  while (v >>= 7) bytes[n++] = static_cast<char>(0x80 | (v & 0x7F));
  while (n > 0) out += bytes[--n];
}

void putBig(std::string& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct MidiEvent {
  std::uint32_t tick;
  int order;  // at the same tick: notes end before others begin
  std::string bytes;
};

class Score {
 public:
  static constexpr int kQuarter = 480;

  void program(int channel, int instrument) {
    events_.push_back({0, 0, {static_cast<char>(0xC0 | channel), static_cast<char>(instrument)}});
  }
  // `at` and `length` in quarters.
  void note(int channel, double at, double length, int key, int velocity) {
    const auto on = static_cast<std::uint32_t>(at * kQuarter);
    const auto off = static_cast<std::uint32_t>((at + length) * kQuarter) - 10;
    events_.push_back(
        {on,
         2,
         {static_cast<char>(0x90 | channel), static_cast<char>(key), static_cast<char>(velocity)}});
    events_.push_back(
        {off,
         1,
         {static_cast<char>(0x80 | channel), static_cast<char>(key), static_cast<char>(0)}});
  }

  // A type-0 file: one track, every channel in it.
  std::string bytes(std::uint32_t microsPerQuarter) {
    std::stable_sort(events_.begin(), events_.end(), [](const MidiEvent& a, const MidiEvent& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string track;
    putVarLength(track, 0);
    track += "\xFF\x51\x03";  // the tempo
    putBig(track, microsPerQuarter, 3);
    std::uint32_t tick = 0;
    for (const MidiEvent& e : events_) {
      putVarLength(track, e.tick - tick);
      tick = e.tick;
      track += e.bytes;
    }
    putVarLength(track, kQuarter);
    track += std::string("\xFF\x2F\x00", 3);

    std::string out = "MThd";
    putBig(out, 6, 4);
    putBig(out, 0, 2);  // format 0
    putBig(out, 1, 2);  // one track
    putBig(out, kQuarter, 2);
    out += "MTrk";
    putBig(out, static_cast<std::uint32_t>(track.size()), 4);
    return out + track;
  }

 private:
  std::vector<MidiEvent> events_;
};

// Five bars in C major: a vibraphone tune over piano chords.
std::string melody() {
  Score s;
  s.program(0, 11);  // vibraphone
  s.program(1, 0);   // piano
  const int tune[] = {76, 79, 84, 79, 81, 77, 84, 81, 79, 76, 74, 77, 76, 74};
  for (int i = 0; i < 14; ++i) s.note(0, i, i == 13 ? 2 : 1, tune[i], 96);
  s.note(0, 14, 2, 72, 96);
  s.note(0, 16, 4, 72, 80);
  struct Chord {
    double at;
    std::initializer_list<int> keys;
  };
  const Chord chords[] = {{0, {60, 64, 67}},  {2, {60, 64, 67}},  {4, {53, 57, 60}},
                          {6, {53, 57, 60}},  {8, {60, 64, 67}},  {10, {55, 59, 62}},
                          {12, {55, 59, 65}}, {14, {48, 60, 64}}, {16, {48, 55, 60, 64}}};
  for (const Chord& c : chords)
    for (int key : c.keys) s.note(1, c.at, c.at == 16 ? 4 : 2, key, 64);
  return s.bytes(430000);  // about 140 quarters a minute
}

bool write(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  std::fprintf(stderr, "ispyt-demo-sounds: cannot write %s\n", file.string().c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ispyt-demo-sounds FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  std::error_code ec;
  fs::create_directories(folder, ec);
  struct Effect {
    const char* name;
    Tape tape;
  };
  std::vector<Effect> effects = {
      {"Next", next()},       {"Home", home()},     {"see", see()},     {"test", finished()},
      {"Break", brokenOff()}, {"Return", failed()}, {"time", timeUp()}, {"end", leaving()},
      {"Dia", diagram()},     {"Last", noGrade()},
  };
  for (int n = 1; n <= 12; ++n) effects.push_back({nullptr, grade(n)});
  bool ok = write(folder / "Start.Mid", melody());
  int n = 0;
  for (const Effect& e : effects) {
    const std::string name = e.name ? e.name : std::to_string(++n);
    ok = write(folder / (name + ".wav"), waveBytes(e.tape)) && ok;
  }
  return ok ? 0 : 1;
}
