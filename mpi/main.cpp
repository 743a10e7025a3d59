// quorvel-mpi: quorvel-cli's test and compare run by every rank of an MPI job; rank 0 prints and saves.
#include <fcntl.h>
#include <unistd.h>

#include "cli/program.h"
#include "mpi/mpi_sessions.h"

int main(int argc, char** argv) {
  MPI_Init(&argc, &argv);
  int rank = 0;
  int ranks = 1;
  MPI_Comm_rank(MPI_COMM_WORLD, &rank);
  MPI_Comm_size(MPI_COMM_WORLD, &ranks);
  int exitCode = 0;
  if (rank == 0) {
    quorvel::mpi::MpiSessions sessions(ranks);
    exitCode = quorvel::cli::RunProgram(argc, argv, "quorvel-mpi", sessions);
    sessions.Dismiss();
  } else {
    quorvel::mpi::FollowOrders(rank, ranks);
  }
  MPI_Finalize();
  return exitCode;
}
