#pragma once
#include <string>
#include <vector>

namespace zelvo::engine {

int bench(const std::vector<std::string>& args);
int match(const std::vector<std::string>& args);
int decide(const std::vector<std::string>& args);
int game(const std::vector<std::string>& args);
int records(const std::vector<std::string>& args);

}  // namespace zelvo::engine
