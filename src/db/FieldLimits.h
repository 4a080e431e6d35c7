#pragma once

// The most characters each text column of the farm database takes, named once so that the
// forms that check a typed text and the fields that stop typing agree.
namespace FieldLimits {

// Scheda: the day's card.
inline constexpr int Weather = 50;     // Tempo, Vento
inline constexpr int People = 250;     // Assenti, Ferie, Permesso, Malattia, Infortunio
inline constexpr int ChiefWorker = 50; // Fattore

// Magazzino: a work's movement.
inline constexpr int DocumentRef = 100;
inline constexpr int Stage = 20; // Fase
inline constexpr int Unit = 5;   // UnMis, also of Articoli
inline constexpr int Note = 255;
inline constexpr int Adversity = 100;

// Registries: the name or description of a centre, field, worker, operation or item.
inline constexpr int Description = 100;
inline constexpr int AuthorisationNumber = 30; // Articoli.NumeroRegistrazione
inline constexpr int EppoCode = 10;            // Centri.CodiceEPPO

} // namespace FieldLimits
